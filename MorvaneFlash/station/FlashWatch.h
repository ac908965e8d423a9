#pragma once

#include <QString>
#include <chrono>
#include <optional>

class BenchLog;
class Console;
class Downloader;
struct Environment;
struct UpdateTarget;
struct WatchSettings;

// flash --watch, the production line's mode: the image is downloaded and checked once, then
// every matching device is flashed as it arrives, each on a thread of its own, until a stop
// signal; a unit back from its restart is not flashed again. The first stop signal drains:
// no unit is taken any more and those in transfer finish; the next one (or the settings'
// drain timeout) stops them at a report boundary. One line per unit as it ends, a summary at
// the end. The exit status is the worst failure's, or 128 + the signal when a transfer had to
// be stopped and none failed; 0 when every unit was flashed.
int watchAndFlash(const WatchSettings &settings, Environment &environment, Console &console,
                  Downloader &downloader, BenchLog &log, const UpdateTarget &target);

// The warning a station gives, at its start and once a day, when the catalogue's signature
// expires within 7 days of `now` (seconds since 1970); nothing otherwise.
std::optional<QString> expiryWarning(std::optional<qint64> expires, qint64 now);

// What the drain says as it begins: how many units finish first, and about how long that
// takes at the protocol's pace, within the drain timeout when there is one.
QString drainLine(int units, double seconds, std::optional<std::chrono::milliseconds> timeout);
