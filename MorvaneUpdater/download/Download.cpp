#include "download/Download.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Download)
};

// What the reply may hold before it stops reading from the connection until we take it.
constexpr qint64 readBufferBytes = 256 << 10;

QNetworkRequest downloadRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    // Our own stall timer and deadline end the download, with a reason that says so.
    request.setTransferTimeout(0);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    return request;
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

bool isRedirect(int status)
{
    return status >= 300 && status <= 399;
}

// A redirect answer is only ever seen here when it was not followed: too many of them, a
// Location that is no address, or one that leaves the web or https.
QString refusedRedirect(const QNetworkReply &reply, const QUrl &source)
{
    if (reply.error() == QNetworkReply::TooManyRedirectsError) {
        return Texts::tr("The server redirected %1 too many times, which is refused as a "
                         "redirect loop.")
            .arg(source.toDisplayString());
    }
    const QByteArray location = reply.rawHeader("Location");
    const QUrl written = QUrl::fromEncoded(location, QUrl::StrictMode);
    if (location.trimmed().isEmpty() || !written.isValid()) {
        return Texts::tr("The server redirected from %1 to a Location that is not an address "
                         "(\u201C%2\u201D), which is refused.")
            .arg(source.toDisplayString(), QString::fromLatin1(location.left(200)));
    }
    const QUrl target = source.resolved(written);
    const QString from = source.scheme().toLower();
    const QString to = target.scheme().toLower();
    if (to == u"http" || to == u"https") {
        return Texts::tr("The server redirected from %1 to %2 (\u201C%3\u201D), which is "
                         "refused: an https address is never left for http.")
            .arg(from, to, target.toDisplayString());
    }
    if (to.isEmpty()) {
        return Texts::tr("The server redirected from %1 to a relative address (\u201C%2\u201D), "
                         "which is refused: only http and https are fetched.")
            .arg(from, target.toDisplayString());
    }
    return Texts::tr("The server redirected from %1 to %2 (\u201C%3\u201D), which is "
                     "refused: only http and https are fetched.")
        .arg(from, to, target.toDisplayString());
}

QString statusFailure(const QNetworkReply &reply, int status)
{
    const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (reason.isEmpty()) {
        return Texts::tr("The server answered with HTTP status %1.").arg(status);
    }
    return Texts::tr("The server answered with HTTP status %1 (%2).")
        .arg(QString::number(status), reason);
}

} // namespace

Download::Download(QNetworkAccessManager &network, const QUrl &url, DownloadLimits limits,
                   QObject *parent)
    : Fetch(parent), m_limits(std::move(limits))
{
    m_lastAddress = url;
    m_reply = network.get(downloadRequest(url));
    m_reply->setReadBufferSize(readBufferBytes);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Download::checkAnswer);
    connect(m_reply, &QNetworkReply::readyRead, this, &Download::takeArrivedBytes);
    connect(m_reply, &QNetworkReply::finished, this, &Download::end);
    connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        m_lastAddress = target;
        m_stall.start();
    });
    // Each request, the first and every redirect's, waits for its answer's header section.
    connect(m_reply, &QNetworkReply::requestSent, this, [this] { m_headers.start(); });
    m_headers.setSingleShot(true);
    connect(&m_headers, &QTimer::timeout, this, [this] {
        fail(Texts::tr("The download was ended: the server's answer for %1 did not end its "
                       "headers within %2.")
                 .arg(m_limits.what, durationText(m_limits.headers)));
    });
    m_headers.setInterval(m_limits.headers);

    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { fail(deadlinePassed(m_limits.what, m_limits.deadline)); });
    m_deadline.start(m_limits.deadline);
    m_stall.setSingleShot(true);
    connect(&m_stall, &QTimer::timeout, this, [this] {
        fail(Texts::tr("The download timed out: nothing arrived for %1.")
                 .arg(durationText(m_limits.stall)));
    });
    m_stall.start(m_limits.stall);
}

Download::~Download()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void Download::abort(const QString &reason)
{
    fail(reason);
}

void Download::checkAnswer()
{
    m_headers.stop();
    m_stall.start();
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || isRedirect(status.toInt())) {
        return; // a followed redirect, or no HTTP answer yet
    }
    // An error page is never read: its status is the whole answer.
    if (!isSuccess(status.toInt())) {
        fail(statusFailure(*m_reply, status.toInt()));
        return;
    }
    bool known = false;
    const qint64 announced =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > m_limits.maxBytes) {
        fail(Texts::tr("The server announced %1 for %2, more than its limit of %3.")
                 .arg(byteSizeText(announced), m_limits.what, byteSizeText(m_limits.maxBytes)));
    }
}

void Download::takeArrivedBytes()
{
    if (m_failure) {
        return;
    }
    m_stall.start();
    const qint64 available = m_reply->bytesAvailable();
    if (m_body.size() + available > m_limits.maxBytes) {
        fail(Texts::tr("More than %1 arrived for %2, its limit.")
                 .arg(byteSizeText(m_limits.maxBytes), m_limits.what));
        return;
    }
    m_body += m_reply->read(available);
}

void Download::fail(const QString &reason)
{
    if (m_failure || !m_reply) {
        return;
    }
    m_failure = reason;
    // Not from inside the reply's own signals, which Qt does not expect; nothing more is taken
    // meanwhile, and the reply's own buffer is bounded.
    QMetaObject::invokeMethod(m_reply.data(), &QNetworkReply::abort, Qt::QueuedConnection);
}

void Download::end()
{
    // Whatever is taken below, no second end comes from the reply.
    disconnect(m_reply, &QNetworkReply::finished, this, &Download::end);
    m_deadline.stop();
    m_stall.stop();
    m_headers.stop();
    DownloadResult result;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.httpStatus = status.toInt();
    result.serverDate = m_reply->rawHeader("Date");
    if (!m_failure) {
        takeArrivedBytes();
    }
    if (m_failure) {
        result.errorDescription = *m_failure;
    } else if (status.isValid() && isRedirect(status.toInt())) {
        result.errorDescription = refusedRedirect(*m_reply, m_lastAddress);
    } else if (status.isValid() && !isSuccess(status.toInt())) {
        result.errorDescription = statusFailure(*m_reply, status.toInt());
    } else if (m_reply->error() != QNetworkReply::NoError) {
        result.errorDescription = m_reply->errorString();
    } else {
        result.body = std::move(m_body);
    }
    m_body.clear();
    m_reply->disconnect(this);
    m_reply->deleteLater();
    finish(std::move(result));
}
