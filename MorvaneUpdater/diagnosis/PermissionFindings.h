#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"
#include "diagnosis/DoctorChecks.h"
#include "diagnosis/UdevRule.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

// What doctor finds about devices this user may not open, for the window to show where it
// failed to open one: the udev rule for their ids, each node's owner and mode, and the seat.

// An attached device that did not open, as probeOpen answered, with its node's facts.
struct UnopenedDevice
{
    HidDeviceInfo info;
    int32_t openCode = 0;
    std::optional<DeviceNodeFacts> node = {};
};

// The facts for one model's ids (permissionFacts in DoctorSystem.h gathers them).
struct PermissionFacts
{
    UsbIds ids;
    // Nothing where there is no udev.
    std::optional<InstalledRules> rules;
    std::vector<UnopenedDevice> devices;
    SessionFacts session;
};

// doctor's udev-rule, device-access and seat-session checks over those facts, the devices
// named as `model`.
QList<DoctorCheck> permissionChecks(const PermissionFacts &facts, const QString &model);

// The pane's lines: each check's id and verdict, its finding, and its fix on a line of its own,
// worded as doctor words them.
QString permissionFindingsText(const QList<DoctorCheck> &checks);
