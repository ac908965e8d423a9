#include "station/WatchDisplay.h"

#include "bootloader/HIDBootloader.h"
#include "flash/DeviceSelection.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WatchDisplay)
};

using Mode = ProgressDisplay::Mode;

// Often enough to look live, rarely enough that 32 units in transfer cost next to nothing.
constexpr std::chrono::milliseconds redrawInterval{100};
// Failed units kept in sight; those before are counted.
constexpr std::size_t failedKept = 10;

// `lines` in at most `room` lines: the first that fit, then what is left over counted.
void appendFitted(QStringList &block, const QStringList &lines, int room, int earlier,
                  bool keepLast, const std::function<QString(int)> &more)
{
    const int total = int(lines.size()) + earlier;
    if (total == 0 || room <= 0) {
        return;
    }
    const int shown = total <= room ? int(lines.size()) : std::min(int(lines.size()), room - 1);
    const QString moreLine = more(total - shown);
    if (keepLast && shown < total) {
        block.append(moreLine);
    }
    block.append(keepLast ? lines.mid(lines.size() - shown) : lines.mid(0, shown));
    if (!keepLast && shown < total) {
        block.append(moreLine);
    }
}

} // namespace

QString arrivalLine(const HidDeviceInfo &device, const QString &what)
{
    return Texts::tr("%1: plugged in; flashing %2.").arg(deviceDescription(device), what);
}

QString socketOf(const HidDeviceInfo &device)
{
    QStringList parts;
    if (!device.usbPort.empty()) {
        parts.append(Texts::tr("port %1").arg(deviceString(device.usbPort)));
    }
    if (!device.serialNumber.empty()) {
        parts.append(Texts::tr("serial %1").arg(deviceString(device.serialNumber)));
    }
    return parts.isEmpty() ? deviceString(device.path)
                           : parts.join(Texts::tr(", ", "between a socket's port and serial"));
}

QString unitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return socketOf(device) + QStringLiteral("  ") + progressBar(percent, imageBytes, 20) +
           QStringLiteral("  ") + deviceString(device.path);
}

QString failedLine(const HidDeviceInfo &device, const QString &line)
{
    return socketOf(device) + QStringLiteral("  ") + line;
}

QStringList fittedBlock(const WatchBlock &block, const std::optional<TerminalSize> &size)
{
    // The cursor rests on the line below the block: a block as tall as the screen would
    // scroll at each redraw and leave a copy in the scrollback.
    const int room = size ? std::max(size->rows - 2, 0) : std::numeric_limits<int>::max() / 2;
    const int failed = int(block.failed.size()) + (block.failedEarlier > 0 ? 1 : 0);
    const int failedRoom = std::min(failed, room - std::min(int(block.units.size()), room / 2));
    QStringList lines;
    appendFitted(lines, block.units, room - failedRoom, 0, false,
                 [](int more) { return Texts::tr("…and %n more in transfer", nullptr, more); });
    appendFitted(lines, block.failed, failedRoom, block.failedEarlier, true,
                 [](int more) { return Texts::tr("…and %n more failed", nullptr, more); });
    lines.append(block.count);
    if (size) {
        for (QString &line : lines) {
            line = cutToWidth(line, size->columns);
        }
    }
    return lines;
}

QString plainUnitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return Texts::tr("%1: %2, %3", "a device: its progress, the time left")
        .arg(deviceDescription(device), UpdateMessages::progress(percent),
             timeLeftText(HIDBootloader::secondsLeft(percent, std::size_t(imageBytes))));
}

int unitsPerHour(int flashed, double seconds)
{
    return seconds > 0 ? qRound(flashed * 3600 / seconds) : 0;
}

QString countLine(const WatchCounts &counts, int perHour)
{
    return Texts::tr("%1 flashed, %2 failed, %3 skipped, %4 in progress; %5 flashed an hour")
        .arg(counts.flashed)
        .arg(counts.failed)
        .arg(counts.skipped)
        .arg(counts.inProgress)
        .arg(perHour);
}

namespace {

constexpr double rateWindowSeconds = 15 * 60;

} // namespace

void FlashRate::arrived(double at)
{
    if (!m_firstArrival) {
        m_firstArrival = at;
    }
}

void FlashRate::flashed(double at)
{
    m_flashed.push_back(at);
    while (m_flashed.front() < at - rateWindowSeconds) {
        m_flashed.pop_front();
    }
}

int FlashRate::perHour(double now) const
{
    const double window = std::min(rateWindowSeconds, now - m_firstArrival.value_or(now));
    const auto inWindow = std::count_if(m_flashed.begin(), m_flashed.end(),
                                        [&](double at) { return at >= now - window; });
    return unitsPerHour(int(inWindow), window);
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
    m_rate.arrived(double(m_clock.elapsed()) / 1000);
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

void WatchDisplay::ended(Unit unit, const WatchCounts &counts,
                         const std::optional<QString> &failure)
{
    const auto found = m_units.find(unit);
    if (failure && found != m_units.end()) {
        m_failed.push_back(failedLine(found->second.device, *failure));
        if (m_failed.size() > failedKept) {
            m_failed.pop_front();
            ++m_failedEarlier;
        }
    }
    if (found != m_units.end()) {
        m_units.erase(found);
    }
    counted(counts);
}

void WatchDisplay::skipped(const WatchCounts &counts)
{
    counted(counts);
}

void WatchDisplay::counted(const WatchCounts &counts)
{
    if (counts.flashed > m_counts.flashed) {
        m_rate.flashed(double(m_clock.elapsed()) / 1000);
    }
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
    WatchBlock block;
    for (const auto &[unit, live] : m_units) {
        block.units.append(unitLine(live.device, live.percent, m_imageBytes));
    }
    block.failed = QStringList(m_failed.begin(), m_failed.end());
    block.failedEarlier = m_failedEarlier;
    block.count = currentCount();
    m_console.redrawBlock(fittedBlock(block, outputTerminalSize()));
    m_stale = false;
}

QString WatchDisplay::currentCount() const
{
    WatchCounts counts = m_counts;
    counts.inProgress = int(m_units.size());
    return countLine(counts, m_rate.perHour(double(m_clock.elapsed()) / 1000));
}
