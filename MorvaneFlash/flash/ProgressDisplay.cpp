#include "flash/ProgressDisplay.h"

#include "bootloader/HIDBootloader.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ProgressDisplay)
};

} // namespace

QString progressBar(int percent, qint64 imageBytes, int width)
{
    const int clamped = std::clamp(percent, 0, 100);
    const int filled = clamped * width / 100;
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
           QString(width - filled, QLatin1Char('-')) + QStringLiteral("] ") +
           QStringLiteral("%1%  ").arg(clamped, 3) +
           timeLeftText(HIDBootloader::secondsLeft(clamped, std::size_t(imageBytes)));
}

QString durationText(double seconds)
{
    if (seconds < 60) {
        return Texts::tr("%1 s").arg(seconds, 0, 'f', 1);
    }
    const qint64 whole = qRound64(seconds);
    return Texts::tr("%1 min %2 s").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString timeLeftText(double seconds)
{
    return Texts::tr("%1 left", "the time a transfer still takes").arg(durationText(seconds));
}

ProgressDisplay::Mode progressModeOf(OutputStyle output, const Console &console)
{
    if (!output.saysLines()) {
        return ProgressDisplay::Mode::quiet;
    }
    return console.takesControlCodes() ? ProgressDisplay::Mode::terminal
                                       : ProgressDisplay::Mode::plain;
}

ProgressDisplay::ProgressDisplay(Console &console, Mode mode, QStringList labels, qint64 imageBytes)
    : m_console(console), m_mode(mode), m_labels(std::move(labels)), m_imageBytes(imageBytes),
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
        m_console.print(
            label.isEmpty()
                ? line
                : Texts::tr("%1: %2", "a device's label, then its progress").arg(label, line));
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
    const QString bar = progressBar(std::max(m_percent[transfer], 0), m_imageBytes);
    const QString &label = m_labels.at(qsizetype(transfer));
    return label.isEmpty() ? Texts::tr("Update progress: %1", "a progress bar").arg(bar)
                           : bar + QStringLiteral("  ") + label;
}
