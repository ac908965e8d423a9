#pragma once

#include "diagnosis/DoctorChecks.h"

#include <QString>
#include <optional>
#include <string>

// The facts doctor reads from the platform: DoctorSystemLinux.cpp reads udev's rules folders,
// hidraw nodes, /proc and logind; DoctorSystemOther.cpp has none of them to read.

// The rules udev would read under `root` ("/" but in tests); nothing where there is no udev.
std::optional<InstalledRules> installedUdevRules(const QString &root);

// Whether the hotplug monitor could be opened (openHotplugMonitor): where it cannot on Linux,
// no udev daemon runs, and devices are found by enumerating the bus once a second instead.
DoctorCheck udevDaemonCheck(bool monitorOpened);

// The node's owner, mode, ACL and the other processes that hold it open; nothing where the
// platform keeps no such node.
std::optional<DeviceNodeFacts> deviceNodeFacts(const std::string &path);

// This process's logind session, asked on the system bus.
SessionFacts sessionFacts();
