#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

using SignCommand = CommandLineFixture;

// sign fills in what is missing from the files beside the list or by fetching, and writes
// nothing lint, with that key, would find an error in; a digest given is checked, and any
// problem leaves the list as it was, unsigned.
TEST_F(SignCommand, FillsInDigestsAndWritesNothingTheUpdaterWouldRefuse)
{
    MinisignTool minisign;
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    writeFile("a.bin", "an image beside the list");
    writeFile("big5.txt", "\xA4\xA4\xA4\xE5");
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
        {record + "a.bin;" + m_server.baseUrl() + "/notes/big5.txt\n",
         {},
         exitSuccess,
         ":1: warning: the release notes " + served("/notes/big5.txt") +
             " are not UTF-8 and will be read as GB18030"},
        {record + "a.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt;" + imageTwoDigest + "\n",
         {},
         exitIntegrity,
         "does not match the digest given"},
        {record + "none.bin;" + m_server.baseUrl() + "/notes/x5_v2.txt\n",
         {},
         exitCatalogue,
         ":1: error: the image " + served("/fw/none.bin") + " is not at " +
             QFileInfo(m_temp.path()).absolutePath() +
             "/fw/none.bin nor beside the list as none.bin, and fetching it failed: The server "
             "answered with HTTP status 404"},
        {"X\xE2\x80\xAE;1a86;e0a1;V1;c;" + m_server.baseUrl() + "/fw/a.bin;" + m_server.baseUrl() +
             "/notes/x5_v2.txt\n",
         {},
         exitListErrors,
         ":1: error: field 1 (model) holds U+202e, which reorders the text shown around it"},
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
    // Signed with a key this build does not trust, as in a rotation: judged by the key's own
    // public half, signed, and the build's units named as refusing it.
    m_catalogueKey = MinisignTool().publicKeyLine();
    const QString list = writeFile("L.txt", QByteArray::fromStdString(cases[0].list));
    EXPECT_EQ(run({"sign", list, "--secret-key", minisign.secretKeyPath()}), exitSuccess);
    EXPECT_TRUE(m_err.contains(": warning: this build trusts key ")) << m_err.toStdString();
    EXPECT_TRUE(m_err.contains("units of this build will refuse it"));
    EXPECT_TRUE(m_out.contains(", judged by key ")) << m_out.toStdString();
    EXPECT_TRUE(m_out.contains("\nNext: upload the list, its signature and the files it names"));
}

// Two models' images share a file name: each record takes the file at its address's whole
// path in the folder that mirrors the server, never one file for both. A link on the way is
// never followed; a file with other names is signed with a warning naming it.
TEST_F(SignCommand, TakesEachAddressesFileByItsPath)
{
    MinisignTool minisign;
    m_server.setBody("/fw/x5/firmware.bin", "X5 as served");
    m_server.setBody("/fw/r2/firmware.bin", "R2 as served");
    const std::string list = "X5;1a86;e0a1;V1;c;" + m_server.baseUrl() + "/fw/x5/firmware.bin;" +
                             m_server.baseUrl() + "/notes/x5_v2.txt\nR2;1a86;e0a2;V1;c;" +
                             m_server.baseUrl() + "/fw/r2/firmware.bin;" + m_server.baseUrl() +
                             "/notes/x5_v2.txt\n";
    const QString outside = inTemp("outside");
    putFile(outside + "/firmware.bin", "outside the mirror");
    const struct
    {
        const char *what;
        // Each file of the publisher's folder; "@" before a path links to it.
        QList<std::pair<QString, QByteArray>> files;
        QStringList options;
        int status;
        QByteArray x5;
        QByteArray r2;
        QString said;
    } cases[] = {
        {"a mirror folder",
         {{"fw/x5/firmware.bin", "X5 image"},
          {"fw/r2/firmware.bin", "R2 image"},
          {"product/firmware.bin", "beside"}},
         {},
         exitSuccess,
         "X5 image",
         "R2 image",
         "2 record(s), 4 digest(s) filled in"},
        {"one file beside the list, named by both: fetched",
         {{"product/firmware.bin", "beside"}},
         {},
         exitSuccess,
         "X5 as served",
         "R2 as served",
         "2 record(s), 4 digest(s) filled in"},
        {"a mirror folder named by --root",
         {{"elsewhere/fw/x5/firmware.bin", "X5 image"}, {"elsewhere/fw/r2/firmware.bin", "R2"}},
         {"--root", "{T}/elsewhere"},
         exitSuccess,
         "X5 image",
         "R2",
         "4 digest(s) filled in"},
        {"a folder that is a link",
         {{"fw/x5/firmware.bin", "X5 image"}, {"@fw/r2", "{T}/outside"}},
         {},
         exitCatalogue,
         {},
         {},
         "fw/r2/firmware.bin is a link, or is reached through one; sign follows no links"},
        {"a hard link",
         {{"fw/x5/firmware.bin", "X5 image"}, {"#fw/r2/firmware.bin", "{T}/outside/firmware.bin"}},
         {},
         exitSuccess,
         "X5 image",
         "outside the mirror",
         "fw/r2/firmware.bin has 2 hard links"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString root = inTemp("pub");
        QDir(root).removeRecursively();
        for (auto [path, bytes] : c.files) {
            bytes.replace("{T}", m_temp.path().toUtf8());
            const QString at = root + "/" + path.mid(path.startsWith('@') || path.startsWith('#'));
            QDir().mkpath(QFileInfo(at).absolutePath());
            if (path.startsWith('@')) {
                ASSERT_TRUE(QFile::link(QString::fromUtf8(bytes), at));
            } else if (path.startsWith('#')) {
                ASSERT_EQ(::link(bytes.constData(), QFile::encodeName(at).constData()), 0);
            } else {
                putFile(at, bytes);
            }
        }
        putFile(root + "/notes/x5_v2.txt", "notes");
        const QString listPath = root + "/product/MORVANE_LST.txt";
        putFile(listPath, QByteArray::fromStdString(list));
        QStringList options = c.options;
        options.replaceInStrings("{T}", root);
        EXPECT_EQ(
            run(QStringList{"sign", listPath, "--secret-key", minisign.secretKeyPath()} + options),
            c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.said)) << (m_out + m_err).toStdString();
        QFile signedList(listPath);
        ASSERT_TRUE(signedList.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = signedList.readAll().split('\n');
        EXPECT_EQ(lines.at(0).contains(sha256Hex(c.x5)), c.status == exitSuccess);
        EXPECT_EQ(lines.at(1).contains(sha256Hex(c.r2)), c.status == exitSuccess);
    }
}

// A folder swapped for a link to another while sign runs: each run signs the file inside the
// mirror or refuses, never the file the link leads to.
TEST_F(SignCommand, NeverReadsThroughALinkSwappedInWhileItRuns)
{
    MinisignTool minisign;
    const QString root = inTemp("pub");
    putFile(root + "/fw/r2/firmware.bin", "R2 image");
    putFile(inTemp("outside/firmware.bin"), "outside the mirror");
    ASSERT_TRUE(QFile::link(inTemp("outside"), root + "/fw/swap"));
    putFile(root + "/notes/n.txt", "notes");
    const QByteArray list = "R2;1a86;e0a2;V1;c;" + QByteArray::fromStdString(m_server.baseUrl()) +
                            "/fw/r2/firmware.bin;" + QByteArray::fromStdString(m_server.baseUrl()) +
                            "/notes/n.txt\n";
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        const QByteArray a = QFile::encodeName(root + "/fw/r2");
        const QByteArray b = QFile::encodeName(root + "/fw/swap");
        while (!done) {
            ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
        }
    });
    const QString listPath = root + "/product/MORVANE_LST.txt";
    for (int i = 0; i < 20; ++i) {
        putFile(listPath, list);
        // Each run signs anew: a signature of the same second would be refused as backwards.
        QFile::remove(listPath + ".minisig");
        const int status = run({"sign", listPath, "--secret-key", minisign.secretKeyPath()});
        QFile signedList(listPath);
        ASSERT_TRUE(signedList.open(QIODevice::ReadOnly));
        const QByteArray written = signedList.readAll();
        EXPECT_FALSE(written.contains(sha256Hex("outside the mirror")));
        EXPECT_TRUE(status == exitSuccess ? written.contains(sha256Hex("R2 image"))
                                          : m_err.contains("is a link, or is reached through one"))
            << m_err.toStdString();
    }
    done = true;
    swapper.join();
}

// A stop request while minisign runs (here a stand-in that sleeps) ends minisign at once, and
// sign with it, writing nothing.
TEST_F(SignCommand, AStopRequestEndsMinisignAndNothingIsSigned)
{
    MinisignTool minisign;
    const QString bin = inTemp("bin");
    const QString pidFile = inTemp("minisign.pid");
    putFile(bin + "/minisign", "#!/bin/sh\necho $$ > '" + pidFile.toUtf8() + "'\nexec sleep 60\n");
    QFile::setPermissions(bin + "/minisign", QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ":" + path);
    writeFile("a.bin", "an image");
    writeFile("n.txt", "notes");
    const QString list = writeFile("L.txt", "X;1a86;e0a1;V1;c;http://h/a.bin;http://h/n.txt\n");
    std::stop_source stop;
    std::thread asker([&stop, &pidFile] {
        while (!QFile::exists(pidFile)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        stop.request_stop();
    });
    QElapsedTimer timer;
    timer.start();
    const int status =
        run({"sign", list, "--secret-key", minisign.secretKeyPath()}, false, stop.get_token());
    asker.join();
    qputenv("PATH", path);
    EXPECT_EQ(status, exitInterrupted);
    EXPECT_LT(timer.elapsed(), 10'000);
    EXPECT_TRUE(m_err.contains("Stopped: minisign was ended; nothing was signed."))
        << m_err.toStdString();
    EXPECT_FALSE(QFile::exists(list + ".minisig"));
    QFile pid(pidFile);
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    EXPECT_NE(::kill(pid.readAll().trimmed().toInt(), 0), 0);
}

// Nothing is published backwards: sign refuses, writing nothing, a list it would date before
// the signature it replaces or the list published at the catalogue's address, or with a clock
// beyond the skew from the server's; lint finds a list older than those units may have taken.
TEST_F(SignCommand, NothingIsPublishedBackwards)
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
        m_server.setResponse(path, {.body = body + "\n", .date = httpDate(dateAt)});
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
