#pragma once

#include "bootloader/HidBackend.h"
#include "flash/ProgressDisplay.h"
#include "frame/Console.h"
#include "station/TerminalSize.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QtGlobal>
#include <deque>
#include <map>
#include <optional>

// What flash --watch shows as it goes, besides each unit's end line and the summary.

struct WatchCounts
{
    int flashed = 0;
    int failed = 0;
    int skipped = 0;
    int inProgress = 0;
};

// "/dev/hidraw3 (serial SIM0001, port 1-2): plugged in; flashing MORVANE K7 Keyboard V1.3.1."
QString arrivalLine(const HidDeviceInfo &device, const QString &what);
// What tells the operator which socket a unit is in: "port 1-2, serial SIM0001", either
// part when it is known, else the device's path.
QString socketOf(const HidDeviceInfo &device);
// A unit in transfer, on a terminal: its socket, its bar with the time left, then its path.
QString unitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes);
// A failed unit, kept in the block: its socket, then its end line.
QString failedLine(const HidDeviceInfo &device, const QString &line);
// The same, through a pipe: "/dev/hidraw3 (...): Update progress: 50%, 1.6 s left".
QString plainUnitLine(const HidDeviceInfo &device, int percent, qint64 imageBytes);
// Units flashed an hour at the pace of `flashed` units in `seconds`.
int unitsPerHour(int flashed, double seconds);
// "3 flashed, 1 failed, 0 skipped, 2 in progress; 412 flashed an hour".
QString countLine(const WatchCounts &counts, int perHour);

// The pace "flashed an hour" tells: the units flashed in the last 15 minutes, over that
// window, or over the time since the first unit arrived when that is shorter, so that idle
// time before it and long ago counts for nothing. Times are seconds since the watch began.
class FlashRate
{
public:
    void arrived(double at);
    void flashed(double at);
    int perHour(double now) const;

private:
    std::optional<double> m_firstArrival;
    std::deque<double> m_flashed;
};

// What the block on a terminal holds, before it is fitted to the terminal.
struct WatchBlock
{
    // The units in transfer, oldest first.
    QStringList units;
    // The last failed units, oldest first, and how many failed before them.
    QStringList failed;
    int failedEarlier = 0;
    QString count;
};
// The block's lines: the units in transfer that fit and "…and N more in transfer", the
// failed units beneath (the last ones that fit, after "…and N more failed"), then the count.
// Never more lines than the terminal has rows less the cursor's, nor a line wider than it;
// without a size, every line as it is.
QStringList fittedBlock(const WatchBlock &block, const std::optional<TerminalSize> &size);

// The live part of flash --watch's output, told each event. On a terminal a line per unit in
// transfer, the failed units and the running count beneath, fitted to the terminal, redrawn in
// place at most every 100 ms (and at once when a unit comes or goes); elsewhere the arrivals and
// progress as plain lines, and the running count after each unit's end; quiet shows nothing. The
// console's other lines (each unit's end) print above the block.
class WatchDisplay
{
public:
    using Unit = quint64;

    // `what` is the image as the arrival line names it: model and version.
    WatchDisplay(Console &console, ProgressDisplay::Mode mode, QString what, qint64 imageBytes);
    WatchDisplay(const WatchDisplay &) = delete;
    WatchDisplay &operator=(const WatchDisplay &) = delete;

    void arrived(Unit unit, const HidDeviceInfo &device);
    void progressed(Unit unit, int percent);
    // After the unit's end line; the counts but inProgress, which the display keeps. A failed
    // unit's line stays in the block until the watch ends.
    void ended(Unit unit, const WatchCounts &counts, const std::optional<QString> &failure = {});
    // After a skipped unit's line.
    void skipped(const WatchCounts &counts);

private:
    struct Live
    {
        HidDeviceInfo device;
        int percent = 0;
    };

    void counted(const WatchCounts &counts);
    void redraw();
    QString currentCount() const;

    Console &m_console;
    const ProgressDisplay::Mode m_mode;
    const QString m_what;
    const qint64 m_imageBytes;
    // In arrival order: transfer ids only grow.
    std::map<Unit, Live> m_units;
    std::deque<QString> m_failed;
    int m_failedEarlier = 0;
    WatchCounts m_counts;
    QElapsedTimer m_clock;
    FlashRate m_rate;
    bool m_stale = false;
    QTimer m_redraw;
};
