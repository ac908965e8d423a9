#include "download/Download.h"

#include "CatalogueServer.h"
#include "LoopbackCertificate.h"

#include <QNetworkAccessManager>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

DownloadResult fetch(const std::string &address, const DownloadLimits &limits)
{
    QNetworkAccessManager network;
    Download download(network, QUrl(QString::fromStdString(address)), limits);
    EXPECT_TRUE(QTest::qWaitFor([&] { return download.isFinished(); }, 60'000));
    return download.isFinished() ? download.result() : DownloadResult{};
}

} // namespace

// Whatever a server sends, no more than the kind's limit is ever held, and a body of exactly
// the limit still arrives whole.
TEST(Download, EveryKindHoldsAtMostItsLimit)
{
    CatalogueServer server;
    for (const DownloadKind kind :
         {DownloadKind::list, DownloadKind::signature, DownloadKind::notes, DownloadKind::image}) {
        const DownloadLimits limits = downloadLimits(kind);
        const std::size_t limit = std::size_t(limits.maxBytes);
        SCOPED_TRACE(limits.what.toStdString());
        const struct
        {
            CatalogueServer::Response response;
            QString failure; // empty: the whole body arrives
        } cases[] = {
            {{.endless = true},
             "More than " + byteSizeText(limits.maxBytes) + " arrived for " + limits.what},
            {{.body = "x", .announcedLength = std::size_t(1) << 40},
             "The server announced 1024 GiB for " + limits.what + ", more than its limit of " +
                 byteSizeText(limits.maxBytes) + "."},
            {{.body = std::string(limit, 'x')}, {}},
        };
        // A byte over the limit must not read as the limit itself.
        EXPECT_EQ(byteSizeText(limits.maxBytes + 1),
                  byteSizeText(limits.maxBytes).replace(QLatin1String(" "), QLatin1String(".0 ")) +
                      QStringLiteral(" (%1 bytes)").arg(limits.maxBytes + 1));
        for (const auto &c : cases) {
            server.setResponse("/d", c.response);
            const DownloadResult result = fetch(server.url("/d"), limits);
            if (c.failure.isEmpty()) {
                ASSERT_TRUE(result.succeeded()) << result.errorDescription.toStdString();
                EXPECT_EQ(result.body->size(), qsizetype(limit));
            } else {
                EXPECT_FALSE(result.succeeded());
                EXPECT_TRUE(result.errorDescription.startsWith(c.failure))
                    << result.errorDescription.toStdString();
            }
        }
    }
}

// A server that keeps a download open by sending a byte now and then meets the deadline; one
// that sends nothing meets the stall timer, and one whose headers go on meets their time.
TEST(Download, ATrickleMeetsTheDeadlineAndSilenceTheStallTimer)
{
    CatalogueServer server;
    server.setResponse("/trickle", {.body = std::string(200, 'x'), .trickle = 50ms});
    server.setResponse("/silent", {.body = "late", .delay = 10s});
    // Headers without end, which Qt reads whole before any of them can be seen.
    QTcpServer endless;
    ASSERT_TRUE(endless.listen(QHostAddress::LocalHost));
    QTimer sending;
    QObject::connect(&endless, &QTcpServer::newConnection, [&] {
        QTcpSocket *socket = endless.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\n");
        QObject::connect(&sending, &QTimer::timeout, socket, [socket] {
            socket->write(QByteArray(4096, 'x').prepend("X: ") + "\r\n");
        });
        sending.start(1);
    });
    const struct
    {
        std::string path;
        DownloadLimits limits;
        QString failure;
    } cases[] = {
        {"/trickle",
         {1 << 20, 400ms, 60s, "release notes"},
         "The download timed out: release notes did not arrive within 400 ms."},
        {"/silent",
         {1 << 20, 60s, 300ms, "release notes"},
         "The download timed out: nothing arrived for 300 ms."},
        {"http://127.0.0.1:" + std::to_string(endless.serverPort()) + "/endless",
         {1 << 20, 60s, 60s, "release notes", 500ms},
         "The download was ended: the server's answer for release notes did not end its "
         "headers within 500 ms."},
    };
    for (const auto &c : cases) {
        const DownloadResult result =
            fetch(c.path.starts_with('/') ? server.url(c.path) : c.path, c.limits);
        EXPECT_FALSE(result.succeeded());
        EXPECT_EQ(result.errorDescription, c.failure);
    }
}

// Redirects stay on the web and never leave https for http; a refusal names both schemes. A
// certificate that is not trusted is refused in the handshake, before any request.
TEST(Download, RedirectsAreFollowedOnlyWhereNothingIsLost)
{
    const LoopbackCertificate certificate = makeLoopbackCertificate();
    CatalogueServer http;
    CatalogueServer https(certificate);
    https.setBody("/body", "secure");
    const DownloadResult untrusted = fetch(https.url("/body"), downloadLimits(DownloadKind::list));
    EXPECT_TRUE(untrusted.errorDescription.contains("certificate", Qt::CaseInsensitive))
        << untrusted.errorDescription.toStdString();
    EXPECT_EQ(https.requestCount("/body"), 0);
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.setCaCertificates(QSslCertificate::fromData(
        QByteArray::fromStdString(certificate.certificatePem), QSsl::Pem));
    QSslConfiguration::setDefaultConfiguration(trusting);

    http.setBody("/body", "plain");
    const struct
    {
        CatalogueServer &from;
        std::string to;
        QString outcome; // the body, or the start of the failure
    } cases[] = {
        {http, https.url("/body"), "secure"},
        {https, http.url("/body"),
         "The server redirected from https to http (\u201C" +
             QString::fromStdString(http.url("/body")) +
             "\u201D), which is refused: an https address is never left for http."},
        {http, "file:///etc/hostname",
         "The server redirected from http to file (\u201Cfile:///etc/hostname\u201D), which is "
         "refused: only http and https are fetched."},
        {http, "data:text/plain,hello", "The server redirected from http to data"},
        {https, "ftp://127.0.0.1/f.bin", "The server redirected from https to ftp"},
        // To itself, for ever.
        {http, http.url("/moved"),
         "The server redirected " + QString::fromStdString(http.url("/moved")) +
             " too many times, which is refused as a redirect loop."},
        {http, "http://[::1",
         "The server redirected from " + QString::fromStdString(http.url("/moved")) +
             " to a Location that is not an address (\u201Chttp://[::1\u201D), which is "
             "refused."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.to);
        c.from.setResponse("/moved", {.status = 302, .location = c.to});
        const DownloadResult result =
            fetch(c.from.url("/moved"), downloadLimits(DownloadKind::notes));
        EXPECT_EQ(result.succeeded() ? QString::fromUtf8(*result.body)
                                     : result.errorDescription.left(c.outcome.size()),
                  c.outcome)
            << result.errorDescription.toStdString();
    }
    QSslConfiguration::setDefaultConfiguration(saved);
}
