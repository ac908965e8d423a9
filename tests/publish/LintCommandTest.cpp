#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDateTime>
#include <QDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using LintCommand = CommandLineFixture;

// Each outcome its own status: a list with errors, a refused signature or digest. A list or a
// key that could not be read is the file options' table (tests/flash).
TEST_F(LintCommand, EachOutcomeHasItsExitStatus)
{
    m_server.setBody("/digest.txt",
                     "MORVANE X5 Pro;1a86;e0a1;V2;c;" + m_server.url("/fw/x5_v2.bin") + ";" +
                         m_server.url("/n.txt") + ";sha256:" + std::string(64, '0') + "\n");
    const QString good = writeFile("good.txt", "X;1a86;e0a1;1;c;http://h/a;http://h/b\n");
    const QString wrong = writeFile("wrong.txt", "X;1a86;e0a1\n");
    writeFile("good.txt.minisig", MinisignTool().sign("another list"));
    const struct
    {
        QStringList arguments;
        int status;
        QString expected;
    } cases[] = {
        // A pass says what it could not check.
        {{"lint", good},
         exitSuccess,
         ": note: no key is in use, so the signature was not checked: name one with "
         "--public-key\n"},
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

    // Notes that do not match their digest refuse the list, as in sign and the updater.
    EXPECT_EQ(run({"lint", address, "--fetch"}), exitIntegrity);
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
}

// lint with a key gives the updater's verdict: each variant is an error in lint exactly when
// `list`, with that key built in, refuses the list. What is only unwise is a warning that
// both take. The rules for a signed list's lines are one walk (tests/update); one row of them
// is enough here.
TEST_F(LintCommand, WithAKeyLintFindsAnErrorExactlyWhereTheUpdaterRefuses)
{
    MinisignTool minisign;
    MinisignTool another;
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    const std::string digests =
        ";sha256:" + std::string(64, '0') + ";sha256:" + std::string(64, '0');
    const std::string good = "X;1a86;e0a1;V1;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n";
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString signedNow = QStringLiteral("timestamp:%1").arg(now);
    const QString signAgain = "Sign it again with morvane-flash sign.";
    enum class Upload
    {
        asSigned,
        edited,
        lineEndsChanged,
        otherKey
    };
    const struct
    {
        const char *what;
        std::string list;
        QString comment;
        bool refused;
        // What lint and the updater both say to do next.
        QString step = {};
        Upload upload = Upload::asSigned;
    } cases[] = {
        {"a good list", good, signedNow, false},
        {"the same record twice", good + good, signedNow, false},
        {"expiring within 7 days", good, signedNow + QStringLiteral(" expires:%1").arg(now + 3600),
         false},
        {"no timestamp", good, "file:list", true, "Sign it with morvane-flash sign, which writes"},
        {"signed ahead of the clock", good, QStringLiteral("timestamp:%1").arg(now + 7200), true},
        {"a timestamp in milliseconds", good, QStringLiteral("timestamp:%1").arg(now * 1000), true},
        {"an expiry as a date", good, signedNow + " expires:2027-03-01", true},
        {"expired", good, signedNow + QStringLiteral(" expires:%1").arg(now - 1), true, signAgain},
        {"edited after signing", good, signedNow, true,
         "changed after it was signed: sign it again", Upload::edited},
        {"uploaded in text mode", good, signedNow, true, "upload the list unchanged, as binary",
         Upload::lineEndsChanged},
        {"signed with a key not trusted", good, signedNow, true, "sign --public-key NEW.pub",
         Upload::otherKey},
        {"pid 0", "X;1a86;0;V1;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n", signedNow, true},
        {"not UTF-8", good + "X\xff;1a86;e0a1;V2;c;{B}/fw/a.bin;{B}/n.txt" + digests + "\n",
         signedNow, true},
        {"a comment", "# X5 only\n" + good, signedNow, true, "The list format has no comments"},
        {"a \";\" in the copyright", "X;1a86;e0a1;V1;(c) 2026; all rights reserved;{B}/a;{B}/n\n",
         signedNow, true, "A \";\" inside a field (in the copyright, say) shifts the fields"},
        {"a relative address", "X;1a86;e0a1;V1;c;fw/a.bin;{B}/n.txt" + digests + "\n", signedNow,
         true,
         "is relative and names no server to fetch it from. Write the whole address, with "
         "http:// or https:// and the server."},
    };
    const QString address = served("/product/MORVANE_LST.txt");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string list = serveCatalogue(c.list);
        MinisignTool &signer = c.upload == Upload::otherKey ? another : minisign;
        m_server.setBody(
            "/product/MORVANE_LST.txt.minisig",
            signer.sign(QByteArray::fromStdString(list), false, c.comment).toStdString());
        if (c.upload == Upload::edited) {
            serveCatalogue(c.list + c.list);
        } else if (c.upload == Upload::lineEndsChanged) {
            serveCatalogue(QByteArray::fromStdString(c.list).replace("\n", "\r\n").toStdString());
        }
        m_catalogueKey.clear();
        const int lintStatus = run({"lint", address, "--public-key", keyFile});
        EXPECT_EQ(lintStatus != exitSuccess, c.refused) << m_out.toStdString();
        EXPECT_EQ(m_out.contains(": error: "), c.refused) << m_out.toStdString();
        EXPECT_TRUE(m_out.contains(c.step)) << m_out.toStdString();
        m_catalogueKey = minisign.publicKeyLine();
        // Each row is judged on its own, as on first use.
        QDir(inTemp("MorvaneUpdater")).removeRecursively();
        const int listStatus = run({"list", "--catalogue", address});
        EXPECT_EQ(listStatus != exitSuccess, c.refused) << m_err.toStdString();
        EXPECT_TRUE(m_err.contains(c.step)) << m_err.toStdString();
    }
}
