#include "diagnosis/DoctorNetworkChecks.h"

#include "download/DownloadLimits.h"
#include "trust/SignatureDates.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DoctorNetworkChecks)
};

using Verdict = DoctorCheck::Verdict;
using Area = DoctorCheck::Area;

// A clock this close to the server's is right for every date the updater compares.
constexpr qint64 clockAgreementSeconds = 60;

// "45 seconds", "12 minutes", "3 hours", "9 days": rounded to the unit, each unit taking over
// once half again as many of the one below would be said.
QString spanText(qint64 seconds)
{
    const auto rounded = [seconds](qint64 unit) {
        return (seconds + unit / 2) / unit;
    };
    if (seconds < 90) {
        return Texts::tr("%n seconds", nullptr, int(seconds));
    }
    if (seconds < 90 * 60) {
        return Texts::tr("%n minutes", nullptr, int(rounded(60)));
    }
    if (seconds < 36 * 3600) {
        return Texts::tr("%n hours", nullptr, int(rounded(3600)));
    }
    return Texts::tr("%n days", nullptr, int(rounded(86400)));
}

const CatalogueFinding *findingOf(const CatalogueReading &reading, const char *kind)
{
    const auto found =
        std::find_if(reading.findings.begin(), reading.findings.end(),
                     [kind](const CatalogueFinding &f) { return f.kind == QLatin1String(kind); });
    return found == reading.findings.end() ? nullptr : &*found;
}

DoctorCheck reachableCheck(const QUrl &listURL, const std::optional<DownloadResult> &listAnswer,
                           const CatalogueReading &reading, const QString &bundle)
{
    const QString address = listURL.toDisplayString();
    DoctorCheck reachable{QStringLiteral("catalogue-reachable")};
    reachable.area = Area::catalogue;
    if (!listAnswer) {
        reachable.verdict = Verdict::warn;
        reachable.finding = notCheckedBecause(reading.failureLine);
        reachable.fix = Texts::tr("See catalogue-signature.");
    } else if (listAnswer->succeeded() && !bundle.isEmpty()) {
        reachable.finding =
            Texts::tr("the bundle in %1 holds the list of %2, %3; nothing is asked of the "
                      "network")
                .arg(bundle, address, byteSizeText(listAnswer->body->size()));
    } else if (listAnswer->succeeded()) {
        reachable.finding =
            Texts::tr("%1 answered with %2").arg(address, byteSizeText(listAnswer->body->size()));
    } else {
        reachable.verdict = Verdict::fail;
        reachable.finding = Texts::tr("%1: %2").arg(address, listAnswer->errorDescription);
        reachable.fix = Texts::tr("Check the network connection and the proxy check; if "
                                  "the address is wrong, give the right one with "
                                  "--catalogue.");
    }
    return reachable;
}

// The dates of a list whose signature holds.
void judgeDates(DoctorCheck &dates, const CatalogueReading &reading)
{
    const CatalogueFinding *dated = findingOf(reading, FindingKind::signatureDates);
    if (dated != nullptr && dated->severity == CatalogueFinding::Severity::error) {
        dates.verdict = Verdict::fail;
        dates.finding = dated->message;
        dates.fix = Texts::tr(
            "If this computer's clock is wrong (see the clock check), set it; otherwise the "
            "server offers a list older than one taken here, or one that has expired: tell "
            "the catalogue's publisher. If the list taken here should not have been, "
            "morvane-flash record shows it and morvane-flash record --forget removes it.");
    } else if (dated != nullptr) {
        dates.verdict = Verdict::warn;
        dates.finding = dated->message;
        dates.fix = Texts::tr("Tell the catalogue's publisher to sign the list again.");
    } else {
        dates.finding = reading.acceptedTimestamp
                            ? Texts::tr("signed %1: not older than any list taken "
                                        "here, and not expired")
                                  .arg(signatureDateText(*reading.acceptedTimestamp))
                            : Texts::tr("not older than any list taken here, and not "
                                        "expired");
    }
    if (dates.verdict == Verdict::ok && !reading.recordNotices.isEmpty()) {
        dates.verdict = Verdict::warn;
        dates.finding = reading.recordNotices.join(QLatin1Char(' '));
        dates.fix = Texts::tr("See the data-folder check: the record of signing times "
                              "is kept there.");
    }
}

// The signature's check and its dates' check.
std::pair<DoctorCheck, DoctorCheck> signatureChecks(bool keyInUse, bool asked,
                                                    const CatalogueReading &reading)
{
    DoctorCheck signature{QStringLiteral("catalogue-signature")};
    signature.area = Area::trust;
    DoctorCheck dates{QStringLiteral("catalogue-dates")};
    dates.area = Area::trust;
    const CatalogueFinding *signed_ = findingOf(reading, FindingKind::signature);
    const QString seeSignature = Texts::tr("See catalogue-signature.");
    if (!keyInUse) {
        signature.finding = Texts::tr("this build has no catalogue key: the list is taken "
                                      "without a signature");
        dates.finding = notCheckedBecause(Texts::tr("an unsigned list carries no dates"));
    } else if (!asked) {
        signature.verdict = Verdict::fail;
        signature.finding = reading.failureLine;
        signature.fix = Texts::tr("This build's catalogue key is unusable: install a "
                                  "correct build.");
        dates = {dates.id, Verdict::warn, notCheckedBecause(Texts::tr("no key to read them with")),
                 seeSignature, Area::trust};
    } else if (signed_ == nullptr) {
        signature.verdict = dates.verdict = Verdict::warn;
        signature.finding = dates.finding = notCheckedBecause(Texts::tr("the list did not arrive"));
        signature.fix = dates.fix = afterReachableFix();
    } else if (signed_->severity == CatalogueFinding::Severity::error) {
        signature.verdict = Verdict::fail;
        signature.finding = signed_->message;
        signature.fix = Texts::tr(
            "Nothing is flashed from a list that fails this. Tell the catalogue's publisher; if "
            "this network changes what it serves (a captive portal, a proxy), try another.");
        dates = {dates.id, Verdict::warn,
                 notCheckedBecause(Texts::tr("the signature does not hold")), seeSignature,
                 Area::trust};
    } else {
        signature.finding = signed_->message;
        judgeDates(dates, reading);
    }
    return {signature, dates};
}

DoctorCheck listCheck(const CatalogueReading &reading, bool taken)
{
    DoctorCheck list{QStringLiteral("catalogue-list")};
    list.area = reading.refusedByTrust ? Area::trust : Area::catalogue;
    if (reading.items) {
        list.finding = reading.items->size() == 1
                           ? Texts::tr("the list gives 1 version")
                           : Texts::tr("the list gives %1 versions").arg(reading.items->size());
    } else if (taken) {
        list.verdict = Verdict::fail;
        list.finding = reading.failureLine;
        list.fix = Texts::tr("Tell the catalogue's publisher: morvane-flash lint names "
                             "every line the updater refuses.");
    } else {
        list.verdict = Verdict::warn;
        list.finding = notCheckedBecause(Texts::tr("the list was not taken"));
        list.fix = Texts::tr("Make the checks above pass first.");
    }
    return list;
}

} // namespace

QList<DoctorCheck> catalogueChecks(const QUrl &listURL, bool keyInUse,
                                   const std::optional<DownloadResult> &listAnswer,
                                   const CatalogueReading &reading, const QString &bundle)
{
    const auto [signature, dates] = signatureChecks(keyInUse, listAnswer.has_value(), reading);
    // The list's own lines are judged only once its signature and dates let it be taken.
    const bool taken = reading.list.has_value() && signature.verdict == Verdict::ok &&
                       dates.verdict != Verdict::fail;
    return {reachableCheck(listURL, listAnswer, reading, bundle), signature, dates,
            listCheck(reading, taken)};
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
    check.area = Area::trust;
    const QString setClock = Texts::tr("Set this computer's clock, preferably from the "
                                       "network (timedatectl set-ntp true).");
    const std::optional<qint64> server = httpDateSeconds(serverDate);
    if (!server) {
        check.verdict = Verdict::warn;
        check.finding =
            !bundle.isEmpty()
                ? Texts::tr("not known: the catalogue was read from the bundle in %1, with "
                            "no server to compare against")
                      .arg(bundle)
            : serverDate.isEmpty()
                ? Texts::tr("not known: the catalogue's server sent no Date header")
                : Texts::tr("not known: the server's Date header (\u201C%1\u201D) is not an "
                            "HTTP date")
                      .arg(QString::fromLatin1(
                          serverDate.first(std::min<qsizetype>(serverDate.size(), 64))));
        check.fix = Texts::tr("Make sure this computer sets its clock from the network "
                              "(timedatectl status).");
        return check;
    }
    const qint64 skew = now - *server;
    const qint64 size = std::abs(skew);
    if (size <= clockAgreementSeconds) {
        check.finding =
            Texts::tr("this computer's clock agrees with the server's Date header to within "
                      "%1 seconds")
                .arg(clockAgreementSeconds);
        return check;
    }
    check.finding = skew > 0 ? Texts::tr("this computer's clock is %1 ahead of the server's (%2)")
                                   .arg(spanText(size), QString::fromLatin1(serverDate))
                             : Texts::tr("this computer's clock is %1 behind the server's (%2)")
                                   .arg(spanText(size), QString::fromLatin1(serverDate));
    check.fix = setClock;
    if (size <= signingClockSkewSeconds) {
        check.verdict = Verdict::warn;
    } else {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1: lists may be refused as signed in the future, or "
                                  "expired ones taken")
                            .arg(check.finding);
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
    check.area = Area::catalogue;
    const std::optional<QUrl> address = proxyAddress(setting);
    if (setting.variable.isEmpty()) {
        check.finding = Texts::tr("no proxy is set in the environment: the catalogue is "
                                  "fetched directly");
    } else if (!setting.exemptBy.isEmpty()) {
        check.finding = Texts::tr("%1 exempts the catalogue's host: it is fetched directly")
                            .arg(setting.exemptBy);
    } else if (setting.value.trimmed().isEmpty()) {
        check.verdict = Verdict::warn;
        check.finding = Texts::tr("%1 is set but empty").arg(setting.variable);
        check.fix = Texts::tr("Unset %1, or set it to the proxy's address.").arg(setting.variable);
    } else if (!address) {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1 (\u201C%2\u201D) names no proxy host")
                            .arg(setting.variable, setting.value);
        check.fix = Texts::tr("Set %1 to the proxy's address, such as "
                              "http://proxy.example:3128, or unset it.")
                        .arg(setting.variable);
    } else if (unreachable) {
        check.verdict = Verdict::fail;
        check.finding = Texts::tr("%1 names %2, which does not answer: %3")
                            .arg(setting.variable, address->toDisplayString(), *unreachable);
        check.fix = Texts::tr("Start the proxy, or correct or unset %1.").arg(setting.variable);
    } else {
        check.finding = Texts::tr("the catalogue is fetched through %1 (%2), which answers")
                            .arg(address->toDisplayString(), setting.variable);
    }
    return check;
}

DoctorCheck proxyUnusedCheck(const QString &bundle)
{
    DoctorCheck check{QStringLiteral("proxy")};
    check.finding = Texts::tr("not used: everything is read from the bundle in %1").arg(bundle);
    return check;
}
