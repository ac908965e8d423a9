#include "diagnosis/NetworkFacts.h"

#include "diagnosis/DoctorNetworkChecks.h"
#include "download/DownloadLimits.h"
#include "download/Fetch.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>

Fetch *DoctorSource::fetch(const QUrl &url, DownloadKind kind, QObject *parent,
                           const QByteArray &sha256)
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

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFacts)
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
               ? Texts::tr("no connection within %1").arg(durationText(doctorDeadline))
               : socket.errorString();
}

} // namespace

DoctorCheck judgeProxy(const QUrl &listURL)
{
    const ProxySetting setting = proxySetting(listURL, environmentVariable);
    std::optional<QString> unreachable;
    if (const std::optional<QUrl> address = proxyAddress(setting);
        address && setting.exemptBy.isEmpty()) {
        unreachable = proxyUnreachable(*address);
    }
    return proxyCheck(setting, unreachable);
}
