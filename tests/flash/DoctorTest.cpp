#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// The catalogue's two pairs.
const QByteArray goodRule = "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1a86\", "
                            "ATTRS{idProduct}==\"e0a1\", TAG+=\"uaccess\"\n"
                            "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"1209\", \\\n"
                            "  ATTRS{idProduct}==\"0001\", TAG+=\"uaccess\"\n";

class Doctor : public CommandLineFixture
{
protected:
    // Each check's JSON object by its id.
    QMap<QString, QJsonObject> doctor(QStringList arguments = {})
    {
        m_status = run(QStringList{"doctor", "--json", "--root", rulesRoot()} + arguments);
        QMap<QString, QJsonObject> checks;
        for (const QString &line : m_out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject check = QJsonDocument::fromJson(line.toUtf8()).object();
            checks.insert(check["id"].toString(), check);
        }
        return checks;
    }

    QString rulesRoot() const { return inTemp("root"); }

    void writeRule(const QString &folder, const QString &name, const QByteArray &text)
    {
        putFile(rulesRoot() + folder + '/' + name, text);
    }

    int m_status = -1;
};

} // namespace

// The rules are read under --root: a file in /etc of the package's name masks the package's,
// and doctor names it. Judging the rules is tabled with the judgements (tests/diagnosis).
TEST_F(Doctor, AFileInEtcThatMasksThePackagesRuleIsNamed)
{
    writeRule("/usr/lib/udev/rules.d", "70-morvane-updater.rules", goodRule);
    writeRule("/etc/udev/rules.d", "70-morvane-updater.rules",
              goodRule.left(goodRule.indexOf('\n')));
    const QJsonObject check = doctor().value("udev-rule");
    EXPECT_EQ(check["verdict"].toString(), "fail");
    EXPECT_TRUE(check["finding"].toString().endsWith(
        "/etc/udev/rules.d/70-morvane-updater.rules masks the package's " + rulesRoot() +
        "/usr/lib/udev/rules.d/70-morvane-updater.rules"))
        << m_out.toStdString();
    EXPECT_TRUE(check["fix"].toString().contains("71-morvane-updater-local.rules"));
    EXPECT_EQ(m_status, exitDevice);
    // A link to /dev/null masks it too.
    QFile::remove(rulesRoot() + "/etc/udev/rules.d/70-morvane-updater.rules");
    ASSERT_TRUE(
        QFile::link("/dev/null", rulesRoot() + "/etc/udev/rules.d/70-morvane-updater.rules"));
    EXPECT_TRUE(doctor().value("udev-rule")["finding"].toString().contains("masks the rule"));
}

// A denied device fails, one another process holds open is a warning, and without a udev
// daemon the watcher's fallback is said.
TEST_F(Doctor, EachDeviceIsJudgedAndTheDaemonsAbsenceSaid)
{
    writeRule("/etc/udev/rules.d", "70-morvane-updater.rules", goodRule);
    const QString node = QString::fromStdString(
        attachDevice(behaviourWith(&Behaviour::nodeFolder, inTemp("").toStdString()))->path());
    const auto denied =
        attachDevice(behaviourWith(&Behaviour::openFailure, std::optional(EACCES)), 0x1209, 0x0001);
    QProcess holder;
    holder.start("sh", {"-c", "exec 3<\"$0\"; echo held; exec sleep 60", node});
    ASSERT_TRUE(holder.waitForReadyRead(30'000));
    m_udevDaemon = false;

    const QMap<QString, QJsonObject> checks = doctor();
    const qint64 holderPid = holder.processId();
    holder.kill();
    holder.waitForFinished();
    const QJsonObject held = checks.value("device-access:" + node);
    EXPECT_EQ(held["verdict"].toString(), "warn");
    EXPECT_TRUE(
        held["finding"].toString().contains(QString("held open by sleep (pid %1)").arg(holderPid)))
        << held["finding"].toString().toStdString();
    EXPECT_TRUE(held["finding"].toString().contains("mode 0660")) << m_out.toStdString();
    const QJsonObject refused =
        checks.value("device-access:" + QString::fromStdString(denied->path()));
    EXPECT_EQ(refused["verdict"].toString(), "fail");
    EXPECT_TRUE(refused["finding"].toString().contains("this user may not open it"));
    EXPECT_EQ(checks.value("udev-daemon")["verdict"].toString(), "warn");
    EXPECT_EQ(m_status, exitDevice);
}

// The commonest call from a line: nothing with the catalogue's ids, so the usual causes, and
// what is seen instead, where a unit with other ids stands out.
TEST_F(Doctor, NoDeviceWithTheIdsIsAWarningThatListsWhatIsSeen)
{
    writeRule("/etc/udev/rules.d", "70-morvane-updater.rules", goodRule);
    attachDevice(behaviourWith(&Behaviour::usbPort, std::string("3-1")), 0xdead, 0xbeef);
    const QJsonObject check = doctor().value("device-access");
    EXPECT_EQ(check["verdict"].toString(), "warn");
    EXPECT_TRUE(check["finding"].toString().contains("the HID devices seen: DEAD:BEEF at port 3-1"))
        << check["finding"].toString().toStdString();
    EXPECT_TRUE(check["fix"].toString().contains("bootloader mode"));
}

// What the command adds to the judgements (tests/diagnosis): its deadline, the key it reads with,
// and the Date header it keeps.
TEST_F(Doctor, TheCatalogueIsReachedSignedAndDated)
{
    writeRule("/etc/udev/rules.d", "70-morvane-updater.rules", goodRule);
    MinisignTool publisher;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const std::string list = serveCatalogue("MORVANE K7;1209;0001;V3;c;{B}/k7.bin;{B}/k7.txt\n");
    const QByteArray signature = publisher.sign(QByteArray::fromStdString(list), false,
                                                QStringLiteral("timestamp:%1").arg(now));
    const struct
    {
        QString catalogue;
        std::string signature;
        CatalogueServer::Response answer;
        const char *id;
        const char *verdict;
        const char *finding;
        int status;
    } cases[] = {
        {served("/list.txt"),
         {},
         {.body = list, .delay = std::chrono::seconds(20)},
         "catalogue-reachable",
         "fail",
         "did not arrive within 3 seconds",
         exitCatalogue},
        {served("/list.txt"),
         MinisignTool().sign(QByteArray::fromStdString(list)).toStdString(),
         {.body = list},
         "catalogue-signature",
         "fail",
         "another key",
         exitIntegrity},
        {served("/list.txt"),
         signature.toStdString(),
         {.body = list, .date = httpDate(now + 7200)},
         "clock",
         "fail",
         "2 hours behind the server's",
         exitIntegrity},
    };
    m_catalogueKey = publisher.publicKeyLine();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.finding);
        m_server.setResponse("/list.txt", c.answer);
        m_server.setBody("/list.txt.minisig", c.signature);
        const QJsonObject check = doctor({"--catalogue", c.catalogue}).value(c.id);
        EXPECT_EQ(check["verdict"].toString(), c.verdict) << m_out.toStdString();
        EXPECT_TRUE(check["finding"].toString().contains(c.finding)) << m_out.toStdString();
        EXPECT_EQ(m_status, c.status) << m_out.toStdString();
    }
}
