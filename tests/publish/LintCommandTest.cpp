#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

namespace {

const std::string imageTwoDigest =
    "sha256:f5c22e35d04167e37913e7963ce033b1f3d17a924a4e6fe5fc95af1224051921";

} // namespace

using LintCommand = CommandLineFixture;

// Each outcome its own status: a list with errors, a refused signature or digest. A list or a
// key that could not be read is the file options' table (tests/flash).
TEST_F(LintCommand, EachOutcomeHasItsExitStatus)
{
    m_server.setBody("/digest.txt",
                     "MORVANE X5 Pro;1a86;e0a1;V2;c;" + m_server.url("/fw/x5_v2.bin") + ";" +
                         m_server.url("/n.txt") + ";sha256:" + std::string(64, '0') + "\n");
    m_server.setBody("/twice.txt", "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/a;http://h/n\n"
                                   "MORVANE X5 Pro;1a86;e0a1;V1;c;http://h/b;http://h/n\n"
                                   "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/c;http://h/n\n");
    const QString good = writeFile("good.txt", "X;1a86;e0a1;1;c;http://h/a;http://h/b\n");
    const QString wrong = writeFile("wrong.txt", "X;1a86;e0a1\n");
    writeFile("good.txt.minisig", MinisignTool().sign("another list"));
    const struct
    {
        QStringList arguments;
        int status;
        QString expected;
    } cases[] = {
        {{"lint", good}, exitSuccess, "1 record(s), 0 error(s), 0 warning(s)"},
        // A warning alone keeps the list good.
        {{"lint", served("/twice.txt")},
         exitSuccess,
         "/twice.txt:3: warning: version \"V2\" of model \"MORVANE X5 Pro\" is also on line 1 "
         "with other fields"},
        {{"lint", wrong}, exitListErrors, "0 record(s), 1 error(s), 0 warning(s)"},
        {{"lint", served("/digest.txt"), "--fetch"},
         exitIntegrity,
         ", 256 bytes, does not match its digest (expected sha256:00000000…00000000, received "
         "sha256:f5c22e35…24051921): the updater refuses it"},
        {{"lint", good, "--public-key", MinisignTool().publicKeyLine()},
         exitIntegrity,
         "error: The catalogue signature"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
    }
}

TEST_F(LintCommand, FetchesWhatRecordsPointAtAndChecksTheSignature)
{
    MinisignTool minisign;
    const std::string list =
        serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt;" +
                       imageTwoDigest + ";" + imageTwoDigest +
                       "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/empty.bin;{B}/notes/none.txt\n");
    m_server.setBody("/fw/empty.bin", "");
    const QString address = served("/product/MORVANE_LST.txt");

    EXPECT_EQ(run({"lint", address, "--fetch"}), exitListErrors);
    for (const QString &line :
         {":1: note: image " + served("/fw/x5_v2.bin") + ": HTTP 200, 256 bytes, digest matches\n",
          ":2: error: image " + served("/fw/empty.bin") + ": HTTP 200, empty",
          ":1: error: notes " + served("/notes/x5_v2.txt") +
              ": HTTP 200, not shown: The release notes do not match the catalogue's digest",
          ":2: error: notes " + served("/notes/none.txt") +
              ": The server answered with HTTP status 404 (Not Found).\n"}) {
        EXPECT_TRUE(m_out.contains(address + line)) << line.toStdString();
    }

    m_server.setBody("/product/MORVANE_LST.txt.minisig",
                     minisign.sign(QByteArray::fromStdString(list)).toStdString());
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    EXPECT_EQ(run({"lint", address, "--public-key", keyFile}), exitListErrors);
    EXPECT_TRUE(m_out.startsWith(address + ": note: the signature holds for key "));
    EXPECT_TRUE(m_out.endsWith(" cannot be checked.\n2 record(s), 1 error(s), 0 warning(s)\n"));
    // Without --public-key, the build's keys: signed by its standby key, the list holds.
    m_catalogueKey = MinisignTool().publicKeyLine() + " " + minisign.publicKeyLine();
    EXPECT_EQ(run({"lint", address}), exitListErrors);
    EXPECT_TRUE(m_out.startsWith(address + ": note: the signature holds for key "));
}

// lint with a key gives the updater's verdict: each variant is an error in lint exactly when
// `list`, with that key built in, refuses the list. What is only unwise is a warning that
// both take. The rules for a signed list's lines are one walk (tests/update); one row of them
// is enough here.
TEST_F(LintCommand, WithAKeyLintFindsAnErrorExactlyWhereTheUpdaterRefuses)
{
    MinisignTool minisign;
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    const std::string digests =
        ";sha256:" + std::string(64, '0') + ";sha256:" + std::string(64, '0');
    const std::string good = "X;1a86;e0a1;V1;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n";
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString signedNow = QStringLiteral("timestamp:%1").arg(now);
    const struct
    {
        const char *what;
        std::string list;
        QString comment;
        bool refused;
    } cases[] = {
        {"a good list", good, signedNow, false},
        {"the same record twice", good + good, signedNow, false},
        {"expiring within 7 days", good, signedNow + QStringLiteral(" expires:%1").arg(now + 3600),
         false},
        {"no timestamp", good, "file:list", true},
        {"signed ahead of the clock", good, QStringLiteral("timestamp:%1").arg(now + 7200), true},
        {"a timestamp in milliseconds", good, QStringLiteral("timestamp:%1").arg(now * 1000), true},
        {"an expiry as a date", good, signedNow + " expires:2027-03-01", true},
        {"expired", good, signedNow + QStringLiteral(" expires:%1").arg(now - 1), true},
        {"pid 0", "X;1a86;0;V1;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n", signedNow, true},
        {"not UTF-8", good + "X\xff;1a86;e0a1;V2;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n",
         signedNow, true},
    };
    const QString address = served("/product/MORVANE_LST.txt");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string list = serveCatalogue(c.list);
        m_server.setBody(
            "/product/MORVANE_LST.txt.minisig",
            minisign.sign(QByteArray::fromStdString(list), false, c.comment).toStdString());
        m_catalogueKey.clear();
        const int lintStatus = run({"lint", address, "--public-key", keyFile});
        EXPECT_EQ(lintStatus != exitSuccess, c.refused) << m_out.toStdString();
        EXPECT_EQ(m_out.contains(": error: "), c.refused) << m_out.toStdString();
        m_catalogueKey = minisign.publicKeyLine();
        // Each row is judged on its own, as on first use.
        QDir(inTemp("MorvaneUpdater")).removeRecursively();
        const int listStatus = run({"list", "--catalogue", address});
        EXPECT_EQ(listStatus != exitSuccess, c.refused) << m_err.toStdString();
    }
}

// sign fills in what is missing from the files beside the list or by fetching, and writes
// nothing lint, with that key, would find an error in; a digest given is checked, and any
// problem leaves the list as it was, unsigned.
TEST_F(LintCommand, SignFillsInDigestsAndWritesNothingTheUpdaterWouldRefuse)
{
    MinisignTool minisign;
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    writeFile("a.bin", "an image beside the list");
    const std::string record = "X;1a86;e0a1;V1;c;" + m_server.baseUrl() + "/fw/";
    const struct
    {
        std::string list;
        QStringList options;
        int status;
        QString expected;
    } cases[] = {
        {record + "a.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt\n",
         {},
         exitSuccess,
         "1 record(s), 2 digest(s) filled in"},
        {record + "a.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt;" + imageTwoDigest + "\n",
         {},
         exitIntegrity,
         "does not match the digest given"},
        {record + "none.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt\n",
         {},
         exitCatalogue,
         ":1: error: the image " + served("/fw/none.bin") +
             " is not beside the list as none.bin, and fetching it failed: The server answered "
             "with HTTP status 404"},
        {record + "a.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt\n",
         {"--expires", "0"},
         exitUsage,
         "--expires takes a whole number of days"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        const QString list = writeFile("L.txt", QByteArray::fromStdString(c.list));
        QFile::remove(list + ".minisig");
        EXPECT_EQ(
            run(QStringList{"sign", list, "--secret-key", minisign.secretKeyPath()} + c.options),
            c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
        EXPECT_EQ(QFile::exists(list + ".minisig"), c.status == exitSuccess);
        EXPECT_EQ(run({"lint", list, "--public-key", keyFile}) == exitSuccess,
                  c.status == exitSuccess)
            << m_out.toStdString();
    }
}

// Nothing is published backwards: sign refuses, writing nothing, a list it would date before
// the signature it replaces or the list published at the catalogue's address, or with a clock
// beyond the skew from the server's; lint finds a list older than those units may have taken.
TEST_F(LintCommand, NothingIsPublishedBackwards)
{
    MinisignTool minisign;
    m_catalogueKey = minisign.publicKeyLine();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const auto signedAt = [&](const QByteArray &list, qint64 at) {
        return minisign.sign(list, false, QStringLiteral("timestamp:%1").arg(at));
    };
    const std::string image = m_server.url("/fw/x5_v2.bin");
    const std::string body =
        "X;1a86;e0a1;V1;c;" + image + ";" + image + ";" + imageTwoDigest + ";" + imageTwoDigest;
    const QByteArray restored = QByteArray::fromStdString(body + "\n");
    const auto publish = [&](const std::string &path, std::optional<qint64> at, qint64 dateAt) {
        m_server.setResponse(path,
                             {.body = body + "\n",
                              .date = QLocale::c()
                                          .toString(QDateTime::fromSecsSinceEpoch(dateAt, Qt::UTC),
                                                    "ddd, dd MMM yyyy HH:mm:ss 'GMT'")
                                          .toStdString()});
        m_server.setBody(path + ".minisig", at ? signedAt(restored, *at).toStdString() : "",
                         at ? 200 : 404);
        return served(path);
    };
    const std::string build = "/product/MORVANE_LST.txt";
    const std::string other = "/other.txt";
    const struct
    {
        qint64 serverClock;
        std::optional<qint64> replaced;
        std::optional<qint64> published;
        // Where that list is published: the build's address, or --catalogue's.
        std::string at;
        QString expected;
    } cases[] = {
        {now + 2 * 86400, {}, {}, build, "this computer's clock is 2 days behind the server's"},
        {now, now + 600, {}, build, ", not after the signature it replaces, "},
        {now, {}, now + 600, build, ", not after the list published at " + served(build)},
        {now, {}, now + 600, other, ", not after the list published at " + served(other)},
        {now, now - 86400, now - 600, build, "Signed "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        for (const std::string &path : {build, other}) {
            publish(path, path == c.at ? c.published : std::nullopt, c.serverClock);
        }
        const QString list = writeFile("L.txt", restored);
        QFile::remove(list + ".minisig");
        const QByteArray beside = c.replaced ? signedAt(restored, *c.replaced) : QByteArray();
        if (c.replaced) {
            writeFile("L.txt.minisig", beside);
        }
        const bool signs = c.expected == "Signed ";
        EXPECT_EQ(run(QStringList{"sign", list, "--secret-key", minisign.secretKeyPath()} +
                      (c.at == build ? QStringList() : QStringList{"--catalogue", served(c.at)})),
                  signs ? exitSuccess : exitListErrors);
        EXPECT_TRUE((m_err + m_out).contains(c.expected)) << m_err.toStdString();
        if (!signs) {
            EXPECT_TRUE(m_err.endsWith("Nothing was written.\n")) << m_err.toStdString();
            QFile written(list + ".minisig");
            EXPECT_EQ(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray(), beside);
        }
    }

    // lint tells what units would do with a restored older list: those that took the one
    // published, or this computer, refuse it; one signed a little ahead shuts out later ones.
    const QString address = publish("/product/MORVANE_LST.txt", now - 600, now);
    ASSERT_EQ(run({"list"}), exitSuccess) << m_err.toStdString();
    const QString list = writeFile("L.txt", restored);
    writeFile("L.txt.minisig", signedAt(restored, now - 86400));
    EXPECT_EQ(run({"lint", list, "--catalogue", address}), exitIntegrity);
    EXPECT_TRUE(m_out.contains(": error: the list was signed ") &&
                m_out.contains(", before the list published at " + address) &&
                m_out.contains(", before the newest list this computer took from " + address))
        << m_out.toStdString();
    writeFile("L.txt.minisig", signedAt(restored, now + 600));
    EXPECT_EQ(run({"lint", list}), exitSuccess);
    EXPECT_TRUE(m_out.contains(": warning: the list was signed ") &&
                m_out.contains("units that take it refuse every later list until"))
        << m_out.toStdString();
}
