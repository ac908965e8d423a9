#include "station/WatchDisplay.h"

#include "bootloader/HIDBootloader.h"
#include "flash/DeviceSelection.h"
#include "update/UpdateMessages.h"

#include <QStringList>
#include <chrono>

namespace {

using Mode = ProgressDisplay::Mode;

// Often enough to look live, rarely enough that 32 units in transfer cost next to nothing.
constexpr std::chrono::milliseconds redrawInterval{100};

} // namespace

QString arrivalLine(const HidDeviceInfo &device, const QString &what)
{
    return deviceDescription(device) + QStringLiteral(": plugged in; flashing %1.").arg(what);
}

QString unitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return progressBar(percent, imageBytes, 20) + QStringLiteral("  ") + deviceDescription(device);
}

QString plainUnitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return deviceDescription(device) + QStringLiteral(": ") + UpdateMessages::progress(percent) +
           QStringLiteral(", ") +
           timeLeftText(HIDBootloader::secondsLeft(percent, std::size_t(imageBytes)));
}

int unitsPerHour(int flashed, double seconds)
{
    return seconds > 0 ? qRound(flashed * 3600 / seconds) : 0;
}

QString countLine(const WatchCounts &counts, double seconds)
{
    return QStringLiteral("%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour")
        .arg(counts.flashed)
        .arg(counts.failed)
        .arg(counts.skipped)
        .arg(counts.inProgress)
        .arg(unitsPerHour(counts.flashed, seconds));
}

WatchDisplay::WatchDisplay(Console &console, ProgressDisplay::Mode mode, QString what,
                           qint64 imageBytes)
    : m_console(console), m_mode(mode), m_what(std::move(what)), m_imageBytes(imageBytes)
{
    m_clock.start();
    m_redraw.setInterval(redrawInterval);
    // The timer is a member and the call's context: it goes with the display.
    QObject::connect(&m_redraw, &QTimer::timeout, &m_redraw, [this] {
        if (m_stale) {
            redraw();
        }
    });
}

void WatchDisplay::arrived(Unit unit, const HidDeviceInfo &device)
{
    if (m_mode == Mode::quiet) {
        return;
    }
    m_console.print(arrivalLine(device, m_what));
    m_units[unit] = {device, 0};
    if (m_mode == Mode::terminal) {
        m_redraw.start();
        redraw();
    }
}

void WatchDisplay::progressed(Unit unit, int percent)
{
    const auto found = m_units.find(unit);
    if (found == m_units.end()) {
        return;
    }
    found->second.percent = percent;
    if (m_mode == Mode::plain) {
        m_console.print(plainUnitLine(found->second.device, percent, m_imageBytes));
    } else {
        m_stale = true;
    }
}

void WatchDisplay::ended(Unit unit, const WatchCounts &counts)
{
    m_units.erase(unit);
    counted(counts);
}

void WatchDisplay::skipped(const WatchCounts &counts)
{
    counted(counts);
}

void WatchDisplay::counted(const WatchCounts &counts)
{
    m_counts = counts;
    if (m_mode == Mode::plain) {
        m_console.print(currentCount());
    } else if (m_mode == Mode::terminal) {
        redraw();
        if (m_units.empty()) {
            m_redraw.stop();
        }
    }
}

void WatchDisplay::redraw()
{
    QStringList lines;
    for (const auto &[unit, live] : m_units) {
        lines.append(unitLine(live.device, live.percent, m_imageBytes));
    }
    lines.append(currentCount());
    m_console.redrawBlock(lines);
    m_stale = false;
}

QString WatchDisplay::currentCount() const
{
    WatchCounts counts = m_counts;
    counts.inProgress = int(m_units.size());
    return countLine(counts, double(m_clock.elapsed()) / 1000);
}
