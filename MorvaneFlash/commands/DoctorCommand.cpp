#include "bootloader/DeviceWatcher.h"
#include "bootloader/HidBackend.h"
#include "commands/CatalogueChoice.h"
#include "commands/Commands.h"
#include "diagnosis/DoctorChecks.h"
#include "diagnosis/DoctorSystem.h"
#include "download/ContentSource.h"
#include "download/Fetch.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"

#include <QDateTime>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>

namespace {

// The source `list` takes its files from, with doctor's deadline on every fetch, keeping what
// the list's download answered: its Date header tells the server's clock, whatever the list.
class DoctorSource final : public ContentSource
{
public:
    explicit DoctorSource(ContentSource &inner) : m_inner(inner) {}

    // Must outlive the fetches it hands out.
    Fetch *fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                 const QByteArray &sha256 = {}) override
    {
        Fetch *fetch = m_inner.fetch(url, kind, parent, sha256);
        if (kind == DownloadKind::list) {
            const auto keep = [this, fetch] {
                m_listAnswer = fetch->result();
            };
            if (fetch->isFinished()) {
                keep();
            } else {
                // Connected before the fetch's owner connects, so it runs first.
                QObject::connect(fetch, &Fetch::finished, fetch, keep);
            }
        }
        if (!fetch->isFinished()) {
            QTimer::singleShot(doctorDeadline, Qt::PreciseTimer, fetch,
                               [fetch, what = downloadLimits(kind).what] {
                                   if (!fetch->isFinished()) {
                                       fetch->abort(deadlinePassed(what, doctorDeadline));
                                   }
                               });
        }
        return fetch;
    }

    const std::optional<DownloadResult> &listAnswer() const { return m_listAnswer; }

private:
    ContentSource &m_inner;
    std::optional<DownloadResult> m_listAnswer;
};

std::optional<QString> environmentVariable(const char *name)
{
    if (!qEnvironmentVariableIsSet(name)) {
        return std::nullopt;
    }
    return qEnvironmentVariable(name);
}

// Why the proxy does not take a connection within doctor's deadline; nothing when it does.
std::optional<QString> proxyUnreachable(const QUrl &proxy)
{
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    socket.connectToHost(proxy.host(), quint16(proxy.port()));
    if (socket.waitForConnected(int(doctorDeadline.count()))) {
        return std::nullopt;
    }
    return socket.error() == QAbstractSocket::SocketTimeoutError
               ? QStringLiteral("no connection within %1").arg(durationText(doctorDeadline))
               : socket.errorString();
}

DoctorCheck checkProxy(const QUrl &listURL)
{
    const ProxySetting setting = proxySetting(listURL, environmentVariable);
    std::optional<QString> unreachable;
    if (const std::optional<QUrl> address = proxyAddress(setting);
        address && setting.exemptBy.isEmpty()) {
        unreachable = proxyUnreachable(*address);
    }
    return proxyCheck(setting, unreachable);
}

} // namespace

int runDoctor(const Invocation &invocation, Environment &environment, Console &console)
{
    QList<DoctorCheck> checks;
    const auto report = [&](const DoctorCheck &check) {
        checks.append(check);
        if (invocation.json) {
            console.printJsonLine(doctorCheckJson(check));
        } else {
            console.print(doctorCheckText(check));
        }
    };

    // The catalogue first: its ids say which rule lines and which devices matter. It is taken
    // as list takes it, so its signing time is kept as list would keep it.
    Downloader downloader(invocation, environment.stop, console);
    DoctorSource source(downloader.source());
    const CatalogueTrust trust = catalogueTrustFromKey(environment.catalogueKey);
    std::optional<CatalogueReading> reading;
    {
        CatalogueFetch fetch(source, trust, AcceptedTimestamps(environment.firmwareFolder));
        reading = fetchCatalogue(downloader, fetch, invocation.listURL);
    }
    if (!reading) {
        return exitInterrupted;
    }
    for (const DoctorCheck &check :
         catalogueChecks(invocation.listURL, trust.keyBuiltIn, source.listAnswer(), *reading,
                         invocation.bundle)) {
        report(check);
    }
    report(clockCheck(source.listAnswer() ? source.listAnswer()->serverDate : QByteArray(),
                      QDateTime::currentSecsSinceEpoch(), invocation.bundle));
    report(invocation.bundle.isEmpty() ? checkProxy(invocation.listURL)
                                       : proxyUnusedCheck(invocation.bundle));

    std::optional<std::vector<IdPair>> pairs;
    std::optional<std::vector<UsbIds>> ids;
    if (reading->items) {
        pairs = catalogueIds(*reading->items);
        ids.emplace();
        for (const IdPair &pair : *pairs) {
            ids->push_back(pair.ids);
        }
    }
    report(udevRuleCheck(installedUdevRules(invocation.root), ids));
    report(udevDaemonCheck(environment.hotplugMonitor && environment.hotplugMonitor()));

    bool found = false;
    const std::vector<HidDeviceInfo> attached =
        pairs ? environment.hid.attachedDevices() : std::vector<HidDeviceInfo>{};
    if (pairs) {
        for (const IdPair &pair : *pairs) {
            for (const HidDeviceInfo &info : attached) {
                if (carries(pair, info)) {
                    found = true;
                    report(deviceAccessCheck(info, pair.models,
                                             probeOpen(environment.hid, info.path),
                                             deviceNodeFacts(info.path)));
                }
            }
        }
    }
    if (!found) {
        report(noDeviceCheck(pairs.has_value(), attached));
    }
    report(sessionCheck(sessionFacts()));
    report(dataFolderCheck(dataFolderFacts(environment.firmwareFolder)));
    return doctorStatus(checks);
}
