#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using CatalogueCommands = CommandLineFixture;

TEST_F(CatalogueCommands, ListAndNotesShowTheCatalogue)
{
    EXPECT_EQ(run({"list"}), exitSuccess);
    EXPECT_EQ(m_out, "MORVANE X5 Pro\n  V2  1A86:E0A1  2026 Co.\n  V1  1A86:E0A1  2025 Co.\n"
                     "MORVANE K7\n  V3  1209:0001  2026 Co.\n");

    EXPECT_EQ(run({"list", "--json"}), exitSuccess);
    const QJsonArray models = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(models.size(), 2);
    EXPECT_EQ(models[0]["model"], "MORVANE X5 Pro");
    EXPECT_EQ(models[0]["versions"][1]["version"], "V1");
    EXPECT_EQ(models[1]["versions"][0]["notesURL"], served("/notes/k7_v3.txt"));
    // The notes as a person reads them, the model named in any letter case.
    EXPECT_EQ(run({"notes", "x5 PRO", "V2"}), exitSuccess);
    EXPECT_EQ(m_out, "V2 fixes the wheel.\n");
}

// Whether the list could not be read, was refused, or does not name one version: each has its
// status, and nothing is printed on standard output.
TEST_F(CatalogueCommands, AListOrAVersionThatCannotBeHadHasItsStatusAndItsLine)
{
    m_server.setBody("/cases.txt", "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/a;http://h/n\n"
                                   "MORVANE X5 PRO;1a86;e0a1;V2;c;http://h/b;http://h/n\n");
    const struct
    {
        QStringList arguments;
        QString key;
        int status;
        QString error;
    } cases[] = {
        {{"list", "--catalogue", served("/none")},
         {},
         exitCatalogue,
         // The address on a line of its own, which the technician can check.
         "读取固件列表失败：The server answered with HTTP status 404 (Not Found).\nThe "
         "catalogue's address: " +
             served("/none") + "\n"},
        {{"list"},
         MinisignTool().publicKeyLine(),
         exitIntegrity,
         "读取固件列表失败：The catalogue signature “" +
             served("/product/MORVANE_LST.txt.minisig") + "” could not be read"},
        {{"list"}, "not a key", exitIntegrity, "The built-in catalogue key is unusable."},
        {{"notes", "K7", "V3"},
         {},
         exitCatalogue,
         "固件说明读取失败：The server answered with HTTP status 404 (Not Found)."},
        {{"notes", "X9", "V1"}, {}, exitUsage, "No model \"X9\" in the catalogue."},
        {{"notes", "X5 Pro", "V7"},
         {},
         exitUsage,
         "No version \"V7\" of MORVANE X5 Pro in the catalogue."},
        {{"notes", "x5 pro", "V2", "--catalogue", served("/cases.txt")},
         {},
         exitUsage,
         "\"x5 pro\" names 2 models when letter case is ignored: \"MORVANE X5 Pro\", "
         "\"MORVANE X5 PRO\"; name one as the catalogue writes it."},
        {{"flash", "X5 Pro", "V2", "--catalogue", served("/twice.txt")},
         {},
         exitCatalogue,
         "MORVANE X5 Pro V2 is on lines 1 and 3 of the catalogue, which differ; morvane-flash "
         "does not choose between them."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        m_catalogueKey = c.key;
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE(m_err.contains(c.error)) << m_err.toStdString();
        EXPECT_EQ(m_out, "");
    }
}

// The newest signing time is kept per catalogue: two channels signed with one key never shut
// each other out, whichever is read first, and each still refuses its own older list; a person
// sees and forgets one. A record that cannot be read or kept is said, and the list is then
// taken as on first use. An earlier version's record by key is the catalogue road's (tests/update).
TEST_F(CatalogueCommands, EachCatalogueKeepsItsOwnFloorAndARecordThatFailsIsSaid)
{
    MinisignTool publisher;
    m_catalogueKey = publisher.publicKeyLine();
    const std::string list = "MORVANE K7;1209;0001;V3;c;" + m_server.url("/k7.bin") + ";" +
                             m_server.url("/k7.txt") + "\n";
    const auto serve = [&](const std::string &path, qint64 signedAt) {
        m_server.setBody(path, list);
        m_server.setBody(path + ".minisig", publisher
                                                .sign(QByteArray::fromStdString(list), false,
                                                      QStringLiteral("timestamp:%1").arg(signedAt))
                                                .toStdString());
        return served(path);
    };
    QDir folder(inTemp("MorvaneUpdater"));
    const QString main = served("/main.txt");
    const QString beta = served("/beta.txt");
    for (const bool betaFirst : {false, true}) {
        SCOPED_TRACE(betaFirst ? "beta first" : "main first");
        folder.removeRecursively();
        serve("/main.txt", 1000);
        serve("/beta.txt", 2000);
        for (const QString &catalogue :
             betaFirst ? QStringList{beta, main} : QStringList{main, beta}) {
            EXPECT_EQ(run({"list", "--catalogue", catalogue}), exitSuccess) << m_err.toStdString();
        }
        serve("/main.txt", 999);
        EXPECT_EQ(run({"list", "--catalogue", main}), exitIntegrity);
        EXPECT_TRUE(m_err.contains("before the list already accepted") &&
                    m_err.contains("morvane-flash record --forget"))
            << m_err.toStdString();
    }

    // A person sees each floor and forgets one, asked on a terminal: that catalogue's older
    // list is then taken, the other's floor stays.
    EXPECT_EQ(run({"record"}), exitSuccess);
    EXPECT_TRUE(m_out.contains("\n  " + main + ": signed 1970-01-01 00:16:40 UTC, taken ") &&
                m_out.contains("\n  " + beta + ": signed 1970-01-01 00:33:20 UTC, taken "))
        << m_out.toStdString();
    EXPECT_EQ(run({"record", "--forget", "--catalogue", main}), exitUsage);
    EXPECT_TRUE(m_err.endsWith("standard input is no terminal: add --yes.\n"));
    m_answers = {"n"};
    EXPECT_EQ(run({"record", "--forget", "--catalogue", main}), exitSuccess);
    EXPECT_EQ(run({"list", "--catalogue", main}), exitIntegrity);
    m_answers = {"y"};
    EXPECT_EQ(run({"record", "--forget", "--catalogue", main}), exitSuccess);
    EXPECT_EQ(run({"list", "--catalogue", main}), exitSuccess);
    EXPECT_EQ(run({"list", "--catalogue", serve("/beta.txt", 1999)}), exitIntegrity);
    EXPECT_EQ(run({"record", "--json"}), exitSuccess);
    const QJsonArray records = QJsonDocument::fromJson(m_out.toUtf8())["records"].toArray();
    ASSERT_EQ(records.size(), 2) << m_out.toStdString();
    EXPECT_EQ(records[0]["signed"].toInt() + records[1]["signed"].toInt(), 999 + 2000);

    folder.removeRecursively();
    ASSERT_TRUE(folder.mkpath("."));
    ASSERT_EQ(run({"list", "--catalogue", serve("/main.txt", 1000)}), exitSuccess);
    const QString record =
        folder.entryList({".catalogue-*.timestamp"}, QDir::Hidden | QDir::Files).first();

    // Another process holding the lock past any read and write is stuck: the list is judged
    // all the same, unlocked, and that is said rather than waited on for ever.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    // The child only makes system calls: after fork, another thread may hold malloc's lock.
    const QByteArray lockPath = QFile::encodeName(folder.filePath(".catalogue.lock"));
    const pid_t holder = fork();
    if (holder == 0) {
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0600);
        struct flock whole = {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        const char held = fd >= 0 && ::fcntl(fd, F_SETLK, &whole) == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::sleep(30);
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    EXPECT_EQ(run({"list", "--catalogue", serve("/main.txt", 1100)}), exitSuccess);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(m_err.contains("could not be locked") && m_err.contains("another program holds it"))
        << m_err.toStdString();

    // A folder at the record's name can be neither read nor replaced.
    ASSERT_TRUE(QFile::remove(folder.filePath(record)));
    ASSERT_TRUE(folder.mkpath(record));
    EXPECT_EQ(run({"list", "--catalogue", serve("/main.txt", 900)}), exitSuccess);
    EXPECT_TRUE(m_err.contains("The record of catalogue signing times " + folder.filePath(record) +
                               " cannot be read: it is a folder, not a regular file"))
        << m_err.toStdString();
    EXPECT_TRUE(m_err.contains("The record of catalogue signing times cannot be kept: ") &&
                m_err.contains("The next list will be trusted as on first use."))
        << m_err.toStdString();
}
