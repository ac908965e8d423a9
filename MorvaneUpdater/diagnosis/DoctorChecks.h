#pragma once

#include "bootloader/HidBackend.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// doctor's judgements: each turns facts gathered elsewhere (files read, answers received,
// the platform's own facts of DoctorSystem.h) into a check, so that every verdict can be
// tried without the machine it describes. The catalogue's, the clock's and the proxy's are
// in DoctorNetworkChecks.h, the udev rule's in UdevRule.h.

// One finding of doctor: what was looked at (a stable id scripts may match, such as
// "udev-rule" or "device-access:/dev/hidraw3"), what it says, and what a user can do about it.
struct DoctorCheck
{
    enum class Verdict
    {
        ok,
        warn,
        fail,
    };
    // What a failure stands in the way of, which the command line turns into its exit status.
    enum class Area
    {
        // Opening the devices: the rule, the nodes, the seat.
        device,
        // Taking the catalogue: reaching it, reading it, keeping files.
        catalogue,
        // Trusting it: its signature, its dates, the clock they are judged by.
        trust,
    };

    QString id;
    Verdict verdict = Verdict::ok;
    // One line.
    QString finding = {};
    // Empty when ok.
    QString fix = {};
    Area area = Area::device;

    bool operator==(const DoctorCheck &) const = default;
};

// "not checked: " and why, for a check that could not be made.
QString notCheckedBecause(const QString &why);
// The fix of a check that waits for the catalogue.
QString afterReachableFix();

// "ok", "warn", "fail": as text and JSON print them.
QString verdictName(DoctorCheck::Verdict verdict);
// The text line: verdict, id and finding separated by tabs, and the fix on a line of its own.
QString doctorCheckText(const DoctorCheck &check);
QJsonObject doctorCheckJson(const DoctorCheck &check);

// How long doctor waits for each of the catalogue's files and for a proxy to answer: it
// diagnoses, so it gives up long before a download would.
inline constexpr std::chrono::milliseconds doctorDeadline = std::chrono::seconds(3);

// Nothing: this system has no udev. Else whether the hotplug monitor could be opened
// (openHotplugMonitor): where it cannot, no udev daemon runs, and devices are found by
// enumerating the bus once a second instead.
DoctorCheck udevDaemonCheck(std::optional<bool> monitorOpened);

// What the data folder looks like from here (dataFolderFacts, DoctorSystem.h).
struct DataFolderFacts
{
    QString folder;
    // The folder itself, or the nearest folder above it that exists, where it would be made.
    QString existing;
    bool existingIsFolder = false;
    bool writable = false;
    // Room on its file system for this user; negative when not known.
    qint64 availableBytes = -1;
};
// Room is judged against the largest image the updater accepts.
DoctorCheck dataFolderCheck(const DataFolderFacts &facts);

// What the platform tells of a device node (DoctorSystem.h).
struct DeviceNodeFacts
{
    // Why the node could not be looked at; the rest is empty then.
    QString problem;
    QString owner;
    QString group;
    unsigned mode = 0;
    // Named users and groups of the node's ACL with what they may do: "user alice rw".
    QStringList aclEntries;
    // Other processes with the node open: "fwupd (pid 812)".
    QStringList holders;
    // Processes whose open files this user may not look at.
    int unlookedProcesses = 0;
};

// One attached device of the catalogue's ids: whether this user may open it (`openCode`, as
// probeOpen answered), and its node's facts (nothing where the platform has none).
DoctorCheck deviceAccessCheck(const HidDeviceInfo &info, const QStringList &models,
                              int32_t openCode, const std::optional<DeviceNodeFacts> &facts);

// Said instead of device checks when no device of the catalogue's ids is attached (a warning
// with the usual causes, listing the HID devices `seen` with their ids, ports and makers, so
// that a unit with other ids stands out), or when those ids are not known.
DoctorCheck noDeviceCheck(bool idsKnown, const std::vector<HidDeviceInfo> &seen = {});

// Whether this process belongs to the active session of its seat, as logind tells it.
struct SessionFacts
{
    // Nothing when not known.
    std::optional<bool> active;
    // Empty when the session has no seat (a remote login).
    QString seat;
    // Why it is not known.
    QString problem = {};
};
DoctorCheck sessionCheck(const SessionFacts &facts);
