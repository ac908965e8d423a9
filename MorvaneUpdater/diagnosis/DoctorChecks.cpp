#include "diagnosis/DoctorChecks.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenFailureHelp.h"
#include "download/DownloadLimits.h"
#include "frame/ExitStatus.h"
#include "trust/SignatureDates.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>

namespace {

using Verdict = DoctorCheck::Verdict;

const QString reloadStep = QStringLiteral(
    "then run \u201Csudo udevadm control --reload-rules && sudo udevadm trigger\u201D or plug the "
    "device in again");

QString idsList(const std::vector<UsbIds> &ids)
{
    QStringList texts;
    for (const UsbIds &pair : ids) {
        texts.append(QString::fromStdString(usbIdsText(pair)));
    }
    return texts.join(QStringLiteral(", "));
}

QString ruleLine(UsbIds ids)
{
    return QStringLiteral(
               R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="%1", ATTRS{idProduct}=="%2", TAG+="uaccess")")
        .arg(QString::fromStdString(usbIdText(ids.vendorID)).toLower(),
             QString::fromStdString(usbIdText(ids.productID)).toLower());
}

// "45 seconds", "12 minutes", "3 hours", "9 days": rounded to the unit, each unit taking over
// once half again as many of the one below would be said.

} // namespace

QString afterReachableFix()
{
    return QStringLiteral("Make catalogue-reachable pass first.");
}

QString notCheckedBecause(const QString &why)
{
    return QStringLiteral("not checked: ") + why;
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

std::vector<UsbIds> idsGrantedByRules(QByteArrayView rules)
{
    static const QRegularExpression assignment(
        QStringLiteral(R"re(([A-Za-z_]+)(?:\{([^}]*)\})?\s*(==|!=|\+=|-=|:=|=)\s*"([^"]*)")re"));
    QString text = QString::fromUtf8(rules);
    text.replace(QStringLiteral("\\\r\n"), QStringLiteral(" "));
    text.replace(QStringLiteral("\\\n"), QStringLiteral(" "));
    std::vector<UsbIds> granted;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        bool hidraw = false;
        bool grants = false;
        QString vendor;
        QString product;
        for (const QRegularExpressionMatch &match : assignment.globalMatch(line)) {
            const QString key = match.captured(1);
            const QString attribute = match.captured(2);
            const QString op = match.captured(3);
            const QString value = match.captured(4);
            const bool assigns = op == u"=" || op == u":=";
            if (key == u"SUBSYSTEM" && op == u"==" && value == u"hidraw") {
                hidraw = true;
            } else if (key == u"ATTRS" && op == u"==" && attribute == u"idVendor") {
                vendor = value;
            } else if (key == u"ATTRS" && op == u"==" && attribute == u"idProduct") {
                product = value;
            } else if ((key == u"TAG" && (assigns || op == u"+=") && value == u"uaccess") ||
                       ((key == u"MODE" || key == u"GROUP") && assigns)) {
                grants = true;
            }
        }
        const std::optional<UsbIds> ids = usbIdsOf(vendor.toStdString(), product.toStdString());
        if (hidraw && grants && ids &&
            std::find(granted.begin(), granted.end(), *ids) == granted.end()) {
            granted.push_back(*ids);
        }
    }
    return granted;
}

DoctorCheck udevRuleCheck(const std::optional<InstalledRules> &installed,
                          const std::optional<std::vector<UsbIds>> &ids)
{
    DoctorCheck check{QStringLiteral("udev-rule")};
    check.failStatus = exitDevice;
    if (!installed) {
        check.finding = notCheckedBecause(QStringLiteral("this system has no udev"));
        return check;
    }
    const QString name = QLatin1String(udevRuleName);
    const auto ours =
        std::find_if(installed->files.begin(), installed->files.end(), [&](const RulesFile &file) {
            return QFileInfo(file.path).fileName() == name;
        });
    const bool installedHere = ours != installed->files.end();
    const QString installFix =
        QStringLiteral("Install the package built for this catalogue, or copy its %1 into "
                       "/etc/udev/rules.d; ")
            .arg(name) +
        reloadStep + QLatin1Char('.');
    const QString absent =
        QStringLiteral("no %1 in %2").arg(name, installed->folders.join(QStringLiteral(", ")));
    if (!ids) {
        if (installedHere) {
            check.verdict = Verdict::warn;
            check.finding = QStringLiteral("%1 is installed; whether it covers the catalogue's "
                                           "ids is not known, since the catalogue did not come")
                                .arg(ours->path);
            check.fix = afterReachableFix();
        } else {
            check.verdict = Verdict::fail;
            check.finding = absent;
            check.fix = installFix;
        }
        return check;
    }
    std::vector<UsbIds> missing;
    std::vector<UsbIds> covered;
    QStringList granting;
    for (const UsbIds &pair : *ids) {
        if (!isWatchable(pair)) {
            continue;
        }
        bool found = false;
        for (const RulesFile &file : installed->files) {
            const std::vector<UsbIds> granted = idsGrantedByRules(file.text);
            if (std::find(granted.begin(), granted.end(), pair) != granted.end()) {
                found = true;
                if (!granting.contains(file.path)) {
                    granting.append(file.path);
                }
            }
        }
        (found ? covered : missing).push_back(pair);
    }
    if (missing.empty()) {
        check.finding =
            covered.empty()
                ? QStringLiteral("the catalogue names no device ids, so no rule is needed")
                : QStringLiteral("%1 grants access to every id pair of the catalogue (%2)")
                      .arg(granting.join(QStringLiteral(", ")), idsList(covered));
        return check;
    }
    check.verdict = Verdict::fail;
    if (covered.empty() && installedHere && ours->masked) {
        check.finding =
            QStringLiteral("%1 is a link to /dev/null, which masks the rule").arg(ours->path);
    } else if (covered.empty()) {
        check.finding = installedHere ? QStringLiteral("%1 grants access to none of the "
                                                       "catalogue's id pairs (%2)")
                                            .arg(ours->path, idsList(missing))
                                      : absent + QStringLiteral(", and no rule there grants "
                                                                "access to the catalogue's ids");
    } else {
        check.finding = QStringLiteral("the rules grant access to %1 but not to %2")
                            .arg(idsList(covered), idsList(missing));
    }
    check.fix =
        covered.empty() && installedHere && ours->masked
            ? QStringLiteral("Remove the link %1; ").arg(ours->path) + reloadStep + QLatin1Char('.')
        : covered.empty() && !installedHere
            ? installFix
            : QStringLiteral("Install the package built for this catalogue, or add a line "
                             "per missing pair to /etc/udev/rules.d/%1, such as %2; ")
                      .arg(name, ruleLine(missing.front())) +
                  reloadStep + QLatin1Char('.');
    return check;
}

DataFolderFacts dataFolderFacts(const QString &folder)
{
    DataFolderFacts facts{folder, QDir::cleanPath(QFileInfo(folder).absoluteFilePath())};
    while (!QFileInfo::exists(facts.existing) && !QDir(facts.existing).isRoot()) {
        facts.existing = QFileInfo(facts.existing).absolutePath();
    }
    const QFileInfo existing(facts.existing);
    facts.existingIsFolder = existing.isDir();
    facts.writable = existing.isWritable();
    const QStorageInfo storage(facts.existing);
    facts.availableBytes = storage.isValid() ? storage.bytesAvailable() : -1;
    return facts;
}

DoctorCheck dataFolderCheck(const DataFolderFacts &facts)
{
    DoctorCheck check{QStringLiteral("data-folder")};
    check.failStatus = exitCatalogue;
    const bool made = QDir::cleanPath(facts.folder) == facts.existing;
    const QString where =
        made ? facts.folder
             : QStringLiteral("%1 (to be made in %2)").arg(facts.folder, facts.existing);
    if (!facts.existingIsFolder) {
        check.verdict = Verdict::fail;
        check.finding = QStringLiteral("%1: %2 is not a folder").arg(facts.folder, facts.existing);
        check.fix = QStringLiteral("Move %1 out of the way.").arg(facts.existing);
    } else if (!facts.writable) {
        check.verdict = Verdict::fail;
        check.finding = QStringLiteral("%1 is not writable by this user").arg(where);
        check.fix = QStringLiteral("Give this user write access to %1.").arg(facts.existing);
    } else if (facts.availableBytes >= 0 && facts.availableBytes < maxImageBytes) {
        check.verdict = Verdict::fail;
        check.finding =
            QStringLiteral("%1 has %2 free, less than the largest image (%3)")
                .arg(where, byteSizeText(facts.availableBytes), byteSizeText(maxImageBytes));
        check.fix = QStringLiteral("Free some room on that file system.");
    } else {
        check.finding = QStringLiteral("%1 is writable, with room for the largest image (%2)")
                            .arg(where, byteSizeText(maxImageBytes));
    }
    return check;
}

DoctorCheck deviceAccessCheck(const HidDeviceInfo &info, const QStringList &models,
                              int32_t openCode, const std::optional<DeviceNodeFacts> &facts)
{
    DoctorCheck check{QStringLiteral("device-access:") + QString::fromStdString(info.path)};
    check.failStatus = exitDevice;
    QString label = models.join(QStringLiteral(", ")) + QLatin1Char(' ') +
                    QString::fromStdString(usbIdsText({info.vendorID, info.productID}));
    if (!info.serialNumber.empty()) {
        label += QStringLiteral(" serial ") + QString::fromStdString(info.serialNumber);
    }
    QString node = QStringLiteral("its node is not looked at on this system");
    if (facts && !facts->problem.isEmpty()) {
        node = facts->problem;
    } else if (facts) {
        node =
            QStringLiteral("node owner %1, group %2, mode %3, %4")
                .arg(facts->owner, facts->group,
                     QStringLiteral("%1").arg(facts->mode & 07777, 4, 8, QLatin1Char('0')),
                     facts->aclEntries.isEmpty()
                         ? QStringLiteral("no ACL entries")
                         : QStringLiteral("ACL ") + facts->aclEntries.join(QStringLiteral(", ")));
        if (!facts->holders.isEmpty()) {
            node += QStringLiteral(", held open by ") + facts->holders.join(QStringLiteral(", "));
        }
        if (facts->unlookedProcesses > 0) {
            node += QStringLiteral(" (%1 processes could not be looked at)")
                        .arg(facts->unlookedProcesses);
        }
    }
    if (openCode != 0) {
        check.verdict = Verdict::fail;
        check.finding = QStringLiteral("%1: this user may not open it (%2); %3")
                            .arg(label,
                                 QString::fromStdString(
                                     BootloaderError::openFailed(openCode).errorDescription()),
                                 node);
        // Not the permission help itself: that sends the user here.
        check.fix = openPermissionHelp(openCode)
                        ? QStringLiteral("Make the udev-rule, udev-daemon and seat-session checks "
                                         "pass, then unplug the device and plug it in again.")
                        : QStringLiteral("Unplug the device and plug it in again, then run "
                                         "doctor again.");
    } else if (facts && !facts->holders.isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = QStringLiteral("%1: this user may open it; %2").arg(label, node);
        check.fix = QStringLiteral("Close %1 before flashing: two programs talking to one "
                                   "bootloader spoil the update.")
                        .arg(facts->holders.first());
    } else {
        check.finding = QStringLiteral("%1: this user may open it; %2").arg(label, node);
    }
    return check;
}

DoctorCheck noDeviceCheck(bool idsKnown, const std::vector<HidDeviceInfo> &seen)
{
    DoctorCheck check{QStringLiteral("device-access")};
    check.failStatus = exitDevice;
    if (idsKnown) {
        check.verdict = Verdict::warn;
        QStringList others;
        for (const HidDeviceInfo &device : seen) {
            others.append(QStringLiteral("%1:%2 at port %3 (%4 %5)")
                              .arg(QString::fromStdString(usbIdText(device.vendorID)),
                                   QString::fromStdString(usbIdText(device.productID)),
                                   device.usbPort.empty() ? QStringLiteral("unknown")
                                                          : QString::fromStdString(device.usbPort),
                                   QString::fromStdString(device.manufacturer),
                                   QString::fromStdString(device.product)));
        }
        check.finding = QStringLiteral("no device with the catalogue's ids is attached; ") +
                        (others.isEmpty() ? QStringLiteral("no HID device is seen at all")
                                          : QStringLiteral("the HID devices seen: ") +
                                                others.join(QStringLiteral("; ")));
        check.fix = QStringLiteral(
            "Put the device in bootloader mode, connect it with a data cable (a charge-only "
            "cable carries no data) and try another USB port or hub; a device listed with other "
            "ids is not one the catalogue names.");
    } else {
        check.verdict = Verdict::warn;
        check.finding = notCheckedBecause(QStringLiteral("the catalogue's ids are not known"));
        check.fix = afterReachableFix();
    }
    return check;
}

DoctorCheck sessionCheck(const SessionFacts &facts)
{
    DoctorCheck check{QStringLiteral("seat-session")};
    check.failStatus = exitDevice;
    if (!facts.active) {
        check.verdict = Verdict::warn;
        check.finding = QStringLiteral("not known: ") + facts.problem;
        check.fix = QStringLiteral("Nothing, while the devices may be opened: the rule's uaccess "
                                   "tag needs logind to tell the active session.");
    } else if (facts.seat.isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = QStringLiteral("this session has no seat (a remote login, say): the "
                                       "rule's uaccess tag gives access only at a seat");
        check.fix = QStringLiteral("Run it from the seat's desktop, or grant access by a rule "
                                   "with GROUP= naming a group of this user.");
    } else if (!*facts.active) {
        check.verdict = Verdict::warn;
        check.finding = QStringLiteral("this session is not the active one on %1: the rule's "
                                       "uaccess tag gives access to the active one")
                            .arg(facts.seat);
        check.fix = QStringLiteral("Switch to this session at the seat, then plug the device in "
                                   "again.");
    } else {
        check.finding = QStringLiteral("this session is the active one on %1").arg(facts.seat);
    }
    return check;
}

int doctorStatus(const QList<DoctorCheck> &checks)
{
    for (const DoctorCheck &check : checks) {
        if (check.verdict == Verdict::fail) {
            return check.failStatus;
        }
    }
    return exitSuccess;
}
