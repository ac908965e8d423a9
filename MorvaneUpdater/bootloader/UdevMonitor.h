#pragma once

#include "bootloader/HotplugMonitor.h"

#include <memory>

// The udev monitor of the hidraw subsystem: event-driven, so a watcher on it costs nothing
// while nothing is plugged. Nothing where it cannot work, so that the watcher enumerates
// instead: no udev on this platform, no udev daemon running (containers, some CI machines,
// where no event would ever come), or a monitor that cannot be created.
std::unique_ptr<HotplugMonitor> openUdevMonitor();
