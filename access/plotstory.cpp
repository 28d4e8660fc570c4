#include "plotstory.h"

#include <QCoreApplication>

void PlotStory::plotted(const QString &sentence, std::optional<plot::GraphMapping> mapping,
                        const QString &summary)
{
    m_now.mapping = mapping;
    if (!m_now.lines.isEmpty() && m_now.lines.last().sentence == sentence) {
        ++m_now.lines.last().times;
        return;
    }
    m_now.lines.append({sentence, 1, summary});
    while (m_now.lines.size() > kKept) {
        m_now.lines.removeFirst();
        ++m_now.dropped;
    }
}

QString PlotStory::description() const
{
    if (m_now.lines.isEmpty())
        return QCoreApplication::translate("Accessibility", "Empty: only the axes are drawn.");
    QStringList told;
    if (m_now.dropped)
        told << QCoreApplication::translate("Accessibility", "Earlier plots not listed: %1.")
                        .arg(m_now.dropped);
    for (const Line &line : m_now.lines) {
        const QString plot = line.times == 1
                ? line.sentence + QLatin1Char('.')
                : QCoreApplication::translate("Accessibility", "%1, drawn %n times.", nullptr,
                                              line.times)
                          .arg(line.sentence);
        told << (line.summary.isEmpty() ? plot : plot + QLatin1Char(' ') + line.summary);
    }
    return told.join(QLatin1Char('\n'));
}
