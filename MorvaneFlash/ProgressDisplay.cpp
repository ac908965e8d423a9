#include "ProgressDisplay.h"

#include "update/UpdateMessages.h"

#include <algorithm>

namespace {

// "[##########----------]  50%": a bar of `width` cells and the percentage.
QString progressBar(int percent, int width = 40)
{
    const int clamped = std::clamp(percent, 0, 100);
    const int filled = clamped * width / 100;
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
           QString(width - filled, QLatin1Char('-')) + QStringLiteral("] ") +
           QStringLiteral("%1%").arg(clamped, 3);
}

} // namespace

ProgressDisplay::ProgressDisplay(Console &console, Mode mode, QStringList labels)
    : m_console(console), m_mode(mode), m_labels(std::move(labels)),
      m_percent(std::size_t(m_labels.size()), -1)
{
}

void ProgressDisplay::update(std::size_t transfer, int percent)
{
    if (m_mode == Mode::quiet || transfer >= m_percent.size()) {
        return;
    }
    if (m_mode == Mode::plain) {
        const QString line = UpdateMessages::progress(percent);
        const QString &label = m_labels.at(qsizetype(transfer));
        m_console.print(label.isEmpty() ? line : label + QStringLiteral(": ") + line);
        return;
    }
    if (m_percent[transfer] == percent) {
        return;
    }
    m_percent[transfer] = percent;
    QStringList lines;
    for (std::size_t i = 0; i < m_percent.size(); ++i) {
        lines.append(terminalLine(i));
    }
    m_console.redrawBlock(lines);
}

void ProgressDisplay::finish()
{
    if (m_mode == Mode::terminal) {
        m_console.endBlock();
    }
}

QString ProgressDisplay::terminalLine(std::size_t transfer) const
{
    const QString bar = progressBar(std::max(m_percent[transfer], 0));
    const QString &label = m_labels.at(qsizetype(transfer));
    return label.isEmpty() ? QStringLiteral("Update progress: ") + bar
                           : bar + QStringLiteral("  ") + label;
}
