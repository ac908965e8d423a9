#include "diagnosis/DoctorChecks.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/UsbIdentifier.h"
#include "download/DownloadLimits.h"

#include <QCoreApplication>
#include <QDir>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DoctorChecks)
};

using Verdict = DoctorCheck::Verdict;

} // namespace

QString afterReachableFix()
{
    return Texts::tr("Make catalogue-reachable pass first.");
}

QString notCheckedBecause(const QString &why)
{
    return Texts::tr("not checked: %1").arg(why);
}

QString verdictName(DoctorCheck::Verdict verdict)
{
    switch (verdict) {
    case Verdict::ok:
        return QStringLiteral("ok");
    case Verdict::warn:
        return QStringLiteral("warn");
    case Verdict::fail:
        break;
    }
    return QStringLiteral("fail");
}

QString doctorCheckText(const DoctorCheck &check)
{
    QString text = verdictName(check.verdict) + QLatin1Char('\t') + check.id + QLatin1Char('\t') +
                   check.finding;
    if (!check.fix.isEmpty()) {
        // "fix: " marks the line, as the verdict and id do theirs: the finding and the fix are
        // translated, the layout scripts read is not.
        text += QStringLiteral("\n  fix: ") + check.fix;
    }
    return text;
}

QJsonObject doctorCheckJson(const DoctorCheck &check)
{
    QJsonObject object{{QStringLiteral("id"), check.id},
                       {QStringLiteral("verdict"), verdictName(check.verdict)},
                       {QStringLiteral("finding"), check.finding}};
    if (!check.fix.isEmpty()) {
        object.insert(QStringLiteral("fix"), check.fix);
    }
    return object;
}

DoctorCheck dataFolderCheck(const DataFolderFacts &facts)
{
    DoctorCheck check{QStringLiteral("data-folder")};
    check.area = DoctorCheck::Area::catalogue;
    const bool made = QDir::cleanPath(facts.folder) == facts.existing;
    const QString where =
        made ? facts.folder : Texts::tr("%1 (to be made in %2)").arg(facts.folder, facts.existing);
    if (!facts.existingIsFolder) {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1: %2 is not a folder").arg(facts.folder, facts.existing);
        check.fix = Texts::tr("Move %1 out of the way.").arg(facts.existing);
    } else if (!facts.writable) {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1 is not writable by this user").arg(where);
        check.fix = Texts::tr("Give this user write access to %1.").arg(facts.existing);
    } else if (facts.availableBytes >= 0 && facts.availableBytes < maxImageBytes) {
        check.verdict = Verdict::fail;
        check.finding =
            Texts::tr("%1 has %2 free, less than the largest image (%3)")
                .arg(where, byteSizeText(facts.availableBytes), byteSizeText(maxImageBytes));
        check.fix = Texts::tr("Free some room on that file system.");
    } else {
        check.finding = Texts::tr("%1 is writable, with room for the largest image (%2)")
                            .arg(where, byteSizeText(maxImageBytes));
    }
    return check;
}

DoctorCheck deviceAccessCheck(const HidDeviceInfo &info, const QStringList &models,
                              int32_t openCode, const std::optional<DeviceNodeFacts> &facts)
{
    DoctorCheck check{QStringLiteral("device-access:") + QString::fromStdString(info.path)};
    check.area = DoctorCheck::Area::device;
    QString label = models.join(QStringLiteral(", ")) + QLatin1Char(' ') +
                    QString::fromStdString(usbIdsText({info.vendorID, info.productID}));
    if (!info.serialNumber.empty()) {
        label = Texts::tr("%1 serial %2").arg(label, QString::fromStdString(info.serialNumber));
    }
    QString node = Texts::tr("its node is not looked at on this system");
    if (facts && !facts->problem.isEmpty()) {
        node = facts->problem;
    } else if (facts) {
        node =
            Texts::tr("node owner %1, group %2, mode %3, %4")
                .arg(facts->owner, facts->group,
                     QStringLiteral("%1").arg(facts->mode & 07777, 4, 8, QLatin1Char('0')),
                     facts->aclEntries.isEmpty()
                         ? Texts::tr("no ACL entries")
                         : Texts::tr("ACL %1").arg(facts->aclEntries.join(QStringLiteral(", "))));
        if (!facts->holders.isEmpty()) {
            node = Texts::tr("%1, held open by %2")
                       .arg(node, facts->holders.join(QStringLiteral(", ")));
        }
        if (facts->unlookedProcesses > 0) {
            node = Texts::tr("%1 (%n processes could not be looked at)", nullptr,
                             facts->unlookedProcesses)
                       .arg(node);
        }
    }
    if (openCode != 0) {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1: this user may not open it (%2); %3")
                            .arg(label,
                                 QString::fromStdString(
                                     BootloaderError::openFailed(openCode).errorDescription()),
                                 node);
        // Not the permission help itself: that sends the user here.
        check.fix = openPermissionHelp(openCode)
                        ? Texts::tr("Make the udev-rule, udev-daemon and seat-session checks "
                                    "pass, then unplug the device and plug it in again.")
                        : Texts::tr("Unplug the device and plug it in again, then run "
                                    "doctor again.");
    } else if (facts && !facts->holders.isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("%1: this user may open it; %2").arg(label, node);
        check.fix = Texts::tr("Close %1 before flashing: two programs talking to one "
                              "bootloader spoil the update.")
                        .arg(facts->holders.first());
    } else {
        check.finding = Texts::tr("%1: this user may open it; %2").arg(label, node);
    }
    return check;
}

DoctorCheck noDeviceCheck(bool idsKnown, const std::vector<HidDeviceInfo> &seen)
{
    DoctorCheck check{QStringLiteral("device-access")};
    check.area = DoctorCheck::Area::device;
    if (idsKnown) {
        check.verdict = Verdict::warn;
        QStringList others;
        for (const HidDeviceInfo &device : seen) {
            others.append(Texts::tr("%1:%2 at port %3 (%4 %5)")
                              .arg(QString::fromStdString(usbIdText(device.vendorID)),
                                   QString::fromStdString(usbIdText(device.productID)),
                                   device.usbPort.empty() ? Texts::tr("unknown")
                                                          : QString::fromStdString(device.usbPort),
                                   QString::fromStdString(device.manufacturer),
                                   QString::fromStdString(device.product)));
        }
        check.finding =
            others.isEmpty()
                ? Texts::tr("no device with the catalogue's ids is attached; no HID device is "
                            "seen at all")
                : Texts::tr("no device with the catalogue's ids is attached; the HID devices "
                            "seen: %1")
                      .arg(others.join(QStringLiteral("; ")));
        check.fix = Texts::tr(
            "Put the device in bootloader mode, connect it with a data cable (a charge-only "
            "cable carries no data) and try another USB port or hub; a device listed with other "
            "ids is not one the catalogue names.");
    } else {
        check.verdict = Verdict::warn;
        check.finding = notCheckedBecause(Texts::tr("the catalogue's ids are not known"));
        check.fix = afterReachableFix();
    }
    return check;
}

DoctorCheck sessionCheck(const SessionFacts &facts)
{
    DoctorCheck check{QStringLiteral("seat-session")};
    check.area = DoctorCheck::Area::device;
    if (!facts.active) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("not known: %1").arg(facts.problem);
        check.fix = Texts::tr("Nothing, while the devices may be opened: the rule's uaccess "
                              "tag needs logind to tell the active session.");
    } else if (facts.seat.isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("this session has no seat (a remote login, say): the "
                                  "rule's uaccess tag gives access only at a seat");
        check.fix = Texts::tr("Run it from the seat's desktop, or grant access by a rule "
                              "with GROUP= naming a group of this user.");
    } else if (!*facts.active) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("this session is not the active one on %1: the rule's "
                                  "uaccess tag gives access to the active one")
                            .arg(facts.seat);
        check.fix = Texts::tr("Switch to this session at the seat, then plug the device in "
                              "again.");
    } else {
        check.finding = Texts::tr("this session is the active one on %1").arg(facts.seat);
    }
    return check;
}

DoctorCheck udevDaemonCheck(std::optional<bool> monitorOpened)
{
    DoctorCheck check{QStringLiteral("udev-daemon")};
    if (!monitorOpened) {
        check.finding = notCheckedBecause(Texts::tr("this system has no udev; devices are "
                                                    "found by enumerating the bus once a "
                                                    "second"));
    } else if (*monitorOpened) {
        check.finding = Texts::tr("udev runs: devices are heard of as they come and go");
    } else {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("no udev daemon answers (a container, say): devices are "
                                  "found by enumerating the bus once a second, and no rule "
                                  "runs when one is plugged in");
        check.fix = Texts::tr("Where devices are plugged in, start systemd-udevd "
                              "(systemctl start systemd-udevd); in a container, nothing to "
                              "do.");
    }
    return check;
}
