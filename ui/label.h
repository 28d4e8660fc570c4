#pragma once

#include "control.h"

#include <QFont>

#include <map>

namespace ui {

class LabelWidget;

// A label drawn on its container's surface. A label that sizes itself (AutoSize) measures its
// caption again whenever the caption or the font size is written; one that also wraps keeps its
// width, grows in height to fit the wrapped lines, and never becomes narrower than its longest
// word, so that no word is ever cut (a written width of zero or below included). A self-sizing
// label is never drawn clipped: where the fonts on this machine run wider than the size it was
// given, its widget grows to the text while its Width and Height still read as written.
class Label : public Control
{
public:
    explicit Label(QWidget *container);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);
    float fontSize() const { return m_fontSize; }
    void setFontSize(float points);
    float width() const override;
    void setWidth(float twips) override;

    // Design time.
    void setFont(const QString &family, float points, bool bold);
    void setForeColor(Colour colour);
    void setOpaque(bool opaque);
    void setAutoSize(bool autoSize, bool wordWrap = false);

protected:
    QRect pixelRect() const override;
    void geometryApplied() override;

private:
    friend class LabelWidget;
    const QFont &currentFont() const;
    void measure();

    LabelWidget *m_label;
    QString m_caption;
    Colour m_backColor = 0;
    Colour m_foreColor = 0;
    bool m_opaque = false;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    float m_fontSize = 8.25f;
    float m_effectiveWidth = 0;
    QFont m_baseFont;
    // One font per size shown, so that a pulse allocates nothing.
    mutable std::map<float, QFont> m_fonts;
    struct TextSize
    {
        QString caption;
        float points = 0;
        QSize pixels;
    };
    mutable TextSize m_textSize;
};

} // namespace ui
