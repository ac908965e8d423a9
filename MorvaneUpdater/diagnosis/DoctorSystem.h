#pragma once

#include "diagnosis/DoctorChecks.h"
#include "diagnosis/PermissionFindings.h"
#include "diagnosis/UdevRule.h"

#include <QString>
#include <optional>
#include <string>

// The facts doctor's judgements are made over. DoctorSystem.cpp gathers those every platform
// has alike; DoctorSystemLinux.cpp reads udev's rules folders, hidraw nodes, /proc and logind,
// and DoctorSystemOther.cpp has none of them to read.

// What the data folder looks like from here.
DataFolderFacts dataFolderFacts(const QString &folder);

// The rules udev would read under `root` ("/" but in tests); nothing where there is no udev.
std::optional<InstalledRules> installedUdevRules(const QString &root);

// Whether a udev daemon runs, told by whether the hotplug monitor could be opened; nothing
// where there is no udev.
std::optional<bool> udevDaemonRuns(bool monitorOpened);

// The node's owner, mode, ACL and the other processes that hold it open; nothing where the
// platform keeps no such node.
std::optional<DeviceNodeFacts> deviceNodeFacts(const std::string &path);

// This process's logind session, asked on the system bus.
SessionFacts sessionFacts();

// The facts of permissionChecks for the devices of `ids` that this user may not open, each
// tried once more through `hid`.
PermissionFacts permissionFacts(HidBackend &hid, UsbIds ids);
