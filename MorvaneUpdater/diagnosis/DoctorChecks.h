#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"
#include "download/DownloadResult.h"
#include "update/CatalogueReading.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// doctor's judgements: each turns facts gathered elsewhere (files read, answers received,
// the platform's own facts of DoctorSystem.h) into a check, so that every verdict can be
// tried without the machine it describes.

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

    QString id;
    Verdict verdict = Verdict::ok;
    // One line.
    QString finding = {};
    // Empty when ok.
    QString fix = {};
    // The exit status doctor gives when this is the first check that fails (ExitStatus.h).
    int failStatus = 0;

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

// The rule the package installs.
inline constexpr char udevRuleName[] = "70-morvane-updater.rules";

struct RulesFile
{
    QString path;
    QByteArray text;
    // A link to /dev/null, which udev takes as no rules at all under that name.
    bool masked = false;
};

// The rules udev would read: the folders searched, in udev's order, and the files it takes
// from them (a name in an earlier folder hides the same name in a later one).
struct InstalledRules
{
    QStringList folders;
    QList<RulesFile> files;
};

// The id pairs whose hidraw nodes a rules text opens to someone: a line (continued lines
// joined, comments skipped) that matches SUBSYSTEM=="hidraw", ATTRS{idVendor}=="VID" and
// ATTRS{idProduct}=="PID" (hexadecimal, any letter case) and grants access by
// TAG+="uaccess", MODE= or GROUP=. Values with glob patterns, and rules spread over several
// lines by labels, are not followed.
std::vector<UsbIds> idsGrantedByRules(QByteArrayView rules);

// Nothing for `installed`: this system has no udev. Nothing for `ids`: the catalogue's ids
// are not known (it did not come), so only the rule's presence is judged.
DoctorCheck udevRuleCheck(const std::optional<InstalledRules> &installed,
                          const std::optional<std::vector<UsbIds>> &ids);

// The catalogue: reached, signed, dated, read. `listAnswer` is what the list's download
// answered (nothing when it was never asked for); `reading` what the updater makes of it.
// `bundle` is the folder everything was read from instead of the network, when it was.
QList<DoctorCheck> catalogueChecks(const QUrl &listURL, bool keyInUse,
                                   const std::optional<DownloadResult> &listAnswer,
                                   const CatalogueReading &reading, const QString &bundle = {});

// An HTTP date (RFC 9110's IMF-fixdate, "Sun, 06 Nov 1994 08:49:37 GMT") in seconds since
// 1970; nothing for any other text.
std::optional<qint64> httpDateSeconds(QByteArrayView text);
// This computer's clock (`now`, seconds since 1970) against the server's Date header (empty
// when none came). From a `bundle` no server answered, so the clock is not known.
DoctorCheck clockCheck(QByteArrayView serverDate, qint64 now, const QString &bundle = {});
// What a proxy has to do with a run that reads everything from a `bundle`: nothing.
DoctorCheck proxyUnusedCheck(const QString &bundle);

// The proxy the network library takes for the catalogue from the environment, as libproxy
// reads it: https_proxy (then HTTPS_PROXY) for an https address, falling back to http_proxy
// (then HTTP_PROXY), which alone serves http; no_proxy (or NO_PROXY) naming the host or a
// domain above it, or "*", exempts it.
struct ProxySetting
{
    // Empty when none is set.
    QString variable;
    QString value;
    // The no_proxy variable that exempts the catalogue's host; empty when none does.
    QString exemptBy = {};
};
ProxySetting proxySetting(const QUrl &listURL,
                          const std::function<std::optional<QString>(const char *)> &environment);
// Where to try to reach the proxy; nothing when the value names no host.
std::optional<QUrl> proxyAddress(const ProxySetting &setting);
// `unreachable`: why connecting to the proxy failed, when it was tried and did.
DoctorCheck proxyCheck(const ProxySetting &setting, const std::optional<QString> &unreachable);

// What the data folder looks like from here.
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
DataFolderFacts dataFolderFacts(const QString &folder);
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

// The findings' exit status: that of the first failing check, else 0.
int doctorStatus(const QList<DoctorCheck> &checks);
