#pragma once

class BenchLog;
class Console;
class Downloader;
struct Environment;
struct UpdateTarget;
struct WatchSettings;

// flash --watch, the production line's mode: the image is downloaded and checked once, then
// every matching device is flashed as it arrives, each on a thread of its own, until a stop
// signal; a unit back from its restart is not flashed again. One line per unit as it ends,
// a summary at the end. The exit status is the worst failure's, or 128 + the signal when a
// transfer had to be stopped and none failed; 0 when every unit was flashed.
int watchAndFlash(const WatchSettings &settings, Environment &environment, Console &console,
                  Downloader &downloader, BenchLog &log, const UpdateTarget &target);
