#include "DoctorChecks.h"

#include "ExitStatus.h"
#include "bootloader/BootloaderError.h"
#include "bootloader/OpenFailureHelp.h"
#include "download/DownloadLimits.h"
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

// A clock this close to the server's is right for every date the updater compares.
constexpr qint64 clockAgreementSeconds = 60;

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

const QString afterReachable = QStringLiteral("Make catalogue-reachable pass first.");

// "45 seconds", "12 minutes", "3 hours", "9 days": rounded to the unit, each unit taking over
// once half again as many of the one below would be said.
QString spanText(qint64 seconds)
{
    const auto rounded = [seconds](qint64 unit) {
        return (seconds + unit / 2) / unit;
    };
    if (seconds < 90) {
        return QStringLiteral("%1 seconds").arg(seconds);
    }
    if (seconds < 90 * 60) {
        return QStringLiteral("%1 minutes").arg(rounded(60));
    }
    if (seconds < 36 * 3600) {
        return QStringLiteral("%1 hours").arg(rounded(3600));
    }
    return QStringLiteral("%1 days").arg(rounded(86400));
}

const CatalogueFinding *findingOf(const CatalogueReading &reading, const char *kind)
{
    const auto found =
        std::find_if(reading.findings.begin(), reading.findings.end(),
                     [kind](const CatalogueFinding &f) { return f.kind == QLatin1String(kind); });
    return found == reading.findings.end() ? nullptr : &*found;
}

} // namespace

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
            check.fix = afterReachable;
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

QList<DoctorCheck> catalogueChecks(const QUrl &listURL, bool keyInUse,
                                   const std::optional<DownloadResult> &listAnswer,
                                   const CatalogueReading &reading, const QString &bundle)
{
    const QString address = listURL.toDisplayString();
    const bool arrived = reading.list.has_value();

    DoctorCheck reachable{QStringLiteral("catalogue-reachable")};
    reachable.failStatus = exitCatalogue;
    if (!listAnswer) {
        reachable.verdict = Verdict::warn;
        reachable.finding = notCheckedBecause(reading.failureLine);
        reachable.fix = QStringLiteral("See catalogue-signature.");
    } else if (listAnswer->succeeded() && !bundle.isEmpty()) {
        reachable.finding =
            QStringLiteral("the bundle in %1 holds the list of %2, %3; nothing is asked of the "
                           "network")
                .arg(bundle, address, byteSizeText(listAnswer->body->size()));
    } else if (listAnswer->succeeded()) {
        reachable.finding = QStringLiteral("%1 answered with %2")
                                .arg(address, byteSizeText(listAnswer->body->size()));
    } else {
        reachable.verdict = Verdict::fail;
        reachable.finding = address + QStringLiteral(": ") + listAnswer->errorDescription;
        reachable.fix = QStringLiteral("Check the network connection and the proxy check; if "
                                       "the address is wrong, give the right one with "
                                       "--catalogue.");
    }

    DoctorCheck signature{QStringLiteral("catalogue-signature")};
    signature.failStatus = exitIntegrity;
    DoctorCheck dates{QStringLiteral("catalogue-dates")};
    dates.failStatus = exitIntegrity;
    const CatalogueFinding *signed_ = findingOf(reading, "signature");
    const CatalogueFinding *dated = findingOf(reading, "signature-dates");
    if (!keyInUse) {
        signature.finding = QStringLiteral("this build has no catalogue key: the list is taken "
                                           "without a signature");
        dates.finding = notCheckedBecause(QStringLiteral("an unsigned list carries no dates"));
    } else if (!listAnswer) {
        signature.verdict = Verdict::fail;
        signature.finding = reading.failureLine;
        signature.fix = QStringLiteral("This build's catalogue key is unusable: install a "
                                       "correct build.");
        dates.verdict = Verdict::warn;
        dates.finding = notCheckedBecause(QStringLiteral("no key to read them with"));
        dates.fix = QStringLiteral("See catalogue-signature.");
    } else if (signed_ == nullptr) {
        signature.verdict = dates.verdict = Verdict::warn;
        signature.finding = dates.finding =
            notCheckedBecause(QStringLiteral("the list did not arrive"));
        signature.fix = dates.fix = afterReachable;
    } else if (signed_->severity == CatalogueFinding::Severity::error) {
        signature.verdict = Verdict::fail;
        signature.finding = signed_->message;
        signature.fix = QStringLiteral(
            "Nothing is flashed from a list that fails this. Tell the catalogue's publisher; if "
            "this network changes what it serves (a captive portal, a proxy), try another.");
        dates.verdict = Verdict::warn;
        dates.finding = notCheckedBecause(QStringLiteral("the signature does not hold"));
        dates.fix = QStringLiteral("See catalogue-signature.");
    } else {
        signature.finding = signed_->message;
        if (dated != nullptr && dated->severity == CatalogueFinding::Severity::error) {
            dates.verdict = Verdict::fail;
            dates.finding = dated->message;
            dates.fix = QStringLiteral(
                "If this computer's clock is wrong (see the clock check), set it; otherwise the "
                "server offers a list older than one taken here, or one that has expired: tell "
                "the catalogue's publisher.");
        } else if (dated != nullptr) {
            dates.verdict = Verdict::warn;
            dates.finding = dated->message;
            dates.fix = QStringLiteral("Tell the catalogue's publisher to sign the list again.");
        } else {
            dates.finding = reading.acceptedTimestamp
                                ? QStringLiteral("signed %1: not older than any list taken "
                                                 "here, and not expired")
                                      .arg(signatureDateText(*reading.acceptedTimestamp))
                                : QStringLiteral("not older than any list taken here, and not "
                                                 "expired");
        }
        if (dates.verdict == Verdict::ok && !reading.recordNotices.isEmpty()) {
            dates.verdict = Verdict::warn;
            dates.finding = reading.recordNotices.join(QLatin1Char(' '));
            dates.fix = QStringLiteral("See the data-folder check: the record of signing times "
                                       "is kept there.");
        }
    }

    DoctorCheck list{QStringLiteral("catalogue-list")};
    list.failStatus = reading.refusedByTrust ? exitIntegrity : exitCatalogue;
    if (reading.items) {
        list.finding =
            reading.items->size() == 1
                ? QStringLiteral("the list gives 1 version")
                : QStringLiteral("the list gives %1 versions").arg(reading.items->size());
    } else if (arrived && signature.verdict == Verdict::ok && dates.verdict != Verdict::fail) {
        list.verdict = Verdict::fail;
        list.finding = reading.failureLine;
        list.fix = QStringLiteral("Tell the catalogue's publisher: morvane-flash lint names "
                                  "every line the updater refuses.");
    } else {
        list.verdict = Verdict::warn;
        list.finding = notCheckedBecause(QStringLiteral("the list was not taken"));
        list.fix = QStringLiteral("Make the checks above pass first.");
    }
    return {reachable, signature, dates, list};
}

std::optional<qint64> httpDateSeconds(QByteArrayView text)
{
    const QDateTime parsed = QLocale::c().toDateTime(
        QString::fromLatin1(text.trimmed()), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    if (!parsed.isValid()) {
        return std::nullopt;
    }
    return QDateTime(parsed.date(), parsed.time(), Qt::UTC).toSecsSinceEpoch();
}

DoctorCheck clockCheck(QByteArrayView serverDate, qint64 now, const QString &bundle)
{
    DoctorCheck check{QStringLiteral("clock")};
    check.failStatus = exitIntegrity;
    const QString setClock = QStringLiteral("Set this computer's clock, preferably from the "
                                            "network (timedatectl set-ntp true).");
    const std::optional<qint64> server = httpDateSeconds(serverDate);
    if (!server) {
        check.verdict = Verdict::warn;
        check.finding =
            !bundle.isEmpty()
                ? QStringLiteral("not known: the catalogue was read from the bundle in %1, with "
                                 "no server to compare against")
                      .arg(bundle)
            : serverDate.isEmpty()
                ? QStringLiteral("not known: the catalogue's server sent no Date header")
                : QStringLiteral("not known: the server's Date header (\u201C%1\u201D) is not an "
                                 "HTTP date")
                      .arg(QString::fromLatin1(
                          serverDate.first(std::min<qsizetype>(serverDate.size(), 64))));
        check.fix = QStringLiteral("Make sure this computer sets its clock from the network "
                                   "(timedatectl status).");
        return check;
    }
    const qint64 skew = now - *server;
    const qint64 size = std::abs(skew);
    const QString way = skew > 0 ? QStringLiteral("ahead of") : QStringLiteral("behind");
    if (size <= clockAgreementSeconds) {
        check.finding =
            QStringLiteral("this computer's clock agrees with the server's Date header to within "
                           "%1 seconds")
                .arg(clockAgreementSeconds);
        return check;
    }
    check.finding = QStringLiteral("this computer's clock is %1 %2 the server's (%3)")
                        .arg(spanText(size), way, QString::fromLatin1(serverDate));
    check.fix = setClock;
    if (size <= signingClockSkewSeconds) {
        check.verdict = Verdict::warn;
    } else {
        check.verdict = Verdict::fail;
        check.finding += QStringLiteral(": lists may be refused as signed in the future, or "
                                        "expired ones taken");
    }
    return check;
}

ProxySetting proxySetting(const QUrl &listURL,
                          const std::function<std::optional<QString>(const char *)> &environment)
{
    ProxySetting setting;
    const bool secure = listURL.scheme().compare(u"https", Qt::CaseInsensitive) == 0;
    std::vector<const char *> names;
    if (secure) {
        names = {"https_proxy", "HTTPS_PROXY"};
    }
    names.insert(names.end(), {"http_proxy", "HTTP_PROXY"});
    for (const char *name : names) {
        if (const std::optional<QString> value = environment(name)) {
            setting.variable = QLatin1String(name);
            setting.value = *value;
            break;
        }
    }
    const QString host = listURL.host().toLower();
    for (const char *name : {"no_proxy", "NO_PROXY"}) {
        const std::optional<QString> value = environment(name);
        if (!value) {
            continue;
        }
        for (QString entry : value->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            entry = entry.trimmed().toLower();
            while (entry.startsWith(QLatin1Char('.'))) {
                entry.remove(0, 1);
            }
            if (entry == u"*" || host == entry || host.endsWith(QLatin1Char('.') + entry)) {
                setting.exemptBy = QLatin1String(name);
                return setting;
            }
        }
        break;
    }
    return setting;
}

std::optional<QUrl> proxyAddress(const ProxySetting &setting)
{
    const QString value = setting.value.trimmed();
    QUrl address(value.contains(QStringLiteral("://")) ? value : QStringLiteral("http://") + value);
    if (!address.isValid() || address.host().isEmpty()) {
        return std::nullopt;
    }
    if (address.port() < 0) {
        address.setPort(address.scheme().startsWith(u"socks") ? 1080
                        : address.scheme() == u"https"        ? 443
                                                              : 80);
    }
    return address;
}

DoctorCheck proxyCheck(const ProxySetting &setting, const std::optional<QString> &unreachable)
{
    DoctorCheck check{QStringLiteral("proxy")};
    check.failStatus = exitCatalogue;
    const std::optional<QUrl> address = proxyAddress(setting);
    if (setting.variable.isEmpty()) {
        check.finding = QStringLiteral("no proxy is set in the environment: the catalogue is "
                                       "fetched directly");
    } else if (!setting.exemptBy.isEmpty()) {
        check.finding = QStringLiteral("%1 exempts the catalogue's host: it is fetched directly")
                            .arg(setting.exemptBy);
    } else if (setting.value.trimmed().isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = QStringLiteral("%1 is set but empty").arg(setting.variable);
        check.fix =
            QStringLiteral("Unset %1, or set it to the proxy's address.").arg(setting.variable);
    } else if (!address) {
        check.verdict = Verdict::fail;
        check.finding = QStringLiteral("%1 (\u201C%2\u201D) names no proxy host")
                            .arg(setting.variable, setting.value);
        check.fix = QStringLiteral("Set %1 to the proxy's address, such as "
                                   "http://proxy.example:3128, or unset it.")
                        .arg(setting.variable);
    } else if (unreachable) {
        check.verdict = Verdict::fail;
        check.finding = QStringLiteral("%1 names %2, which does not answer: %3")
                            .arg(setting.variable, address->toDisplayString(), *unreachable);
        check.fix =
            QStringLiteral("Start the proxy, or correct or unset %1.").arg(setting.variable);
    } else {
        check.finding = QStringLiteral("the catalogue is fetched through %1 (%2), which answers")
                            .arg(address->toDisplayString(), setting.variable);
    }
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

DoctorCheck noDeviceCheck(bool idsKnown)
{
    DoctorCheck check{QStringLiteral("device-access")};
    check.failStatus = exitDevice;
    if (idsKnown) {
        check.finding = QStringLiteral("no device with the catalogue's ids is attached");
    } else {
        check.verdict = Verdict::warn;
        check.finding = notCheckedBecause(QStringLiteral("the catalogue's ids are not known"));
        check.fix = afterReachable;
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

DoctorCheck proxyUnusedCheck(const QString &bundle)
{
    DoctorCheck check{QStringLiteral("proxy")};
    check.finding =
        QStringLiteral("not used: everything is read from the bundle in %1").arg(bundle);
    return check;
}
