#include "label.h"

#include "lightweight.h"
#include "screen.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>
#include <QWidget>

#include <algorithm>

namespace ui {

class LabelWidget : public LightweightWidget
{
public:
    LabelWidget(Label *label, QWidget *parent) : LightweightWidget(parent), m_label(label)
    {
        m_text.setTextFormat(Qt::PlainText);
        m_text.setPerformanceHint(QStaticText::AggressiveCaching);
    }

    bool isOpaque() const override { return m_label->m_opaque; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        fillBeneath(painter);
        if (m_label->m_opaque)
            painter.fillRect(rect(), toQColor(m_label->m_backColor));
        if (m_label->m_caption.isEmpty())
            return;
        // The laid-out text is kept between paints: the title repaints many times a second.
        const QFont &font = m_label->currentFont();
        const double wrapWidth = m_label->m_wordWrap ? width() : -1;
        if (m_text.text() != m_label->m_caption || m_textFont != font
            || m_text.textWidth() != wrapWidth) {
            m_text.setText(m_label->m_caption);
            m_text.setTextWidth(wrapWidth);
            m_textFont = font;
            m_text.prepare(QTransform(), font);
        }
        painter.setFont(font);
        painter.setPen(toQColor(m_label->m_foreColor));
        painter.drawStaticText(0, 0, m_text);
    }

private:
    Label *m_label;
    QStaticText m_text;
    QFont m_textFont;
};

Label::Label(QWidget *container) : Control(new LabelWidget(this, container))
{
    m_label = static_cast<LabelWidget *>(widget());
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    measure();
    m_label->update();
}

void Label::setBackColor(Colour colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    if (m_opaque)
        m_label->update();
}

void Label::setFontSize(float points)
{
    m_fontSize = points;
    measure();
    m_label->update();
}

float Label::width() const
{
    return m_autoSize && m_wordWrap ? m_effectiveWidth : m_width;
}

void Label::setWidth(float twips)
{
    m_width = twips;
    m_effectiveWidth = twips;
    if (m_autoSize && m_wordWrap)
        measure();
    else
        applyGeometry();
}

void Label::setFont(const QString &family, float points, bool bold)
{
    m_baseFont = QFont(family);
    m_baseFont.setBold(bold);
    m_fonts.clear();
    m_textSize = {};
    m_fontSize = points;
}

void Label::setForeColor(Colour colour)
{
    m_foreColor = colour;
}

void Label::setOpaque(bool opaque)
{
    m_opaque = opaque;
    m_label->placed();
}

void Label::setAutoSize(bool autoSize, bool wordWrap)
{
    m_autoSize = autoSize;
    m_wordWrap = wordWrap;
    m_effectiveWidth = m_width;
    applyGeometry();
}

void Label::geometryApplied()
{
    m_label->placed();
}

QRect Label::pixelRect() const
{
    QRect r = Control::pixelRect();
    if (m_autoSize && !m_wordWrap && !m_caption.isEmpty()) {
        // Measured once per caption and size: the title is placed a hundred times a second.
        if (m_textSize.caption != m_caption || m_textSize.points != m_fontSize) {
            const QFontMetricsF metrics(currentFont());
            m_textSize = {m_caption, m_fontSize,
                          QSize(int(std::ceil(metrics.horizontalAdvance(m_caption))),
                                int(std::ceil(metrics.height())))};
        }
        r.setWidth(std::max(r.width(), m_textSize.pixels.width()));
        r.setHeight(std::max(r.height(), m_textSize.pixels.height()));
    }
    return r;
}

const QFont &Label::currentFont() const
{
    auto it = m_fonts.find(m_fontSize);
    if (it == m_fonts.end()) {
        QFont font = m_baseFont;
        font.setPointSizeF(m_fontSize);
        it = m_fonts.emplace(m_fontSize, font).first;
    }
    return it->second;
}

void Label::measure()
{
    if (!m_autoSize) {
        applyGeometry();
        return;
    }
    const TwipsMapping map = Screen::mapping();
    const QFontMetricsF metrics(currentFont());
    if (!m_wordWrap) {
        m_width = float(map.toTwips(metrics.horizontalAdvance(m_caption)));
        m_height = float(map.toTwips(metrics.height()));
    } else {
        double longestWord = 0;
        for (const QString &word : m_caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            longestWord = std::max(longestWord, std::ceil(metrics.horizontalAdvance(word)));
        m_effectiveWidth = std::max(m_width, float(map.toTwips(longestWord)));
        const double widthPx = std::floor(map.toPixels(m_effectiveWidth));
        const QRectF box = metrics.boundingRect(QRectF(0, 0, widthPx, 1e6),
                                                Qt::AlignLeft | Qt::TextWordWrap, m_caption);
        m_height = float(map.toTwips(std::ceil(box.height())));
    }
    applyGeometry();
}

} // namespace ui
