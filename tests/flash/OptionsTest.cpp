#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"
#include "station/MetricsClaim.h"
#include "trust/MinisignKey.h"
#include "update/LocalFileName.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using Options = CommandLineFixture;

// Each mistake is named before anything is fetched, the command's options and argument count
// before any option's value, and the rules between options last.
TEST_F(Options, AWrongCommandLineIsNamedBeforeAnythingIsFetched)
{
    const QString image = writeFile("image.bin", "x");
    const struct
    {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{}, "no command given."},
        {{"frobnicate"}, "unknown command \"frobnicate\"."},
        {{"frobnicate", "--help"}, "unknown command \"frobnicate\"."},
        {{"devices", "--vid", "000000000000001209", "--pid", "1"},
         "--vid and --pid take 1 to 4 hexadecimal digits."},
        {{"sign", "l", "--secret-key", "k", "--root", "nosuch"},
         "--root names the folder that mirrors the server; nosuch is no folder."},
        {{"list", "--frobnicate"}, "Unknown option 'frobnicate'."},
        {{"list", "--file", image}, "list does not take --file."},
        {{"notes", "X5 Pro"}, "wrong number of arguments for notes."},
        {{"record", "--forget", "--json"},
         "record --json shows the records; it takes no --forget."},
        {{"record", "--yes"}, "--yes is used only with record --forget."},
        {{"record", "--bundle", "d"}, "record does not take --bundle."},
        {{"lint", "--public-key", "k"}, "lint takes FILE|URL, or --bundle DIR."},
        {{"lint", "x", "--bundle", "d"},
         "lint --bundle checks the bundle's list and takes no FILE|URL."},
        {{"bundle", "make", "d"}, "bundle takes create DIR [MODEL [VERSION]]..."},
        {{"list", "--bundle="}, "--bundle needs the name of a folder."},
        {{"list", "--catalogue", "product/list.txt"}, "--catalogue needs an absolute address."},
        {{"devices", "--vid", "1a86"}, "--vid and --pid go together."},
        {{"devices", "--vid", "10000", "--pid", "1"},
         "--vid and --pid take 1 to 4 hexadecimal digits."},
        {{"flash", "--file", "", "--vid", "1", "--pid", "1"},
         "--file needs the name of an image file."},
        {{"flash", "X5 Pro", "--wait=0"}, "--wait=SECONDS takes a number of seconds above 0."},
        {{"flash", "X5 Pro", "--wait=604801"}, "--wait=SECONDS takes a number of seconds above 0."},
        {{"flash", "--file", image, "--vid", "1", "--pid", "1", "--watch", "--settle", "-1"},
         "--settle takes a number of seconds, 0 or more."},
        {{"flash", "X5 Pro", "--log", ""}, "--log needs the name of a file."},
        {{"flash", "X5 Pro", "--vid", "1", "--pid", "1"},
         "flash --file needs --vid and --pid, and they are used only with --file."},
        {{"flash", "X5 Pro", "--file", image, "--vid", "1", "--pid", "1"},
         "flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P."},
        {{"flash", "X5 Pro", "--watch", "--serial", "A1"},
         "flash --watch flashes every matching device as it arrives; it takes no --serial, "
         "--path, --wait or --all-devices."},
        {{"flash", "X5 Pro", "--settle", "1"}, "--settle is used only with flash --watch."},
        {{"flash", "X5 Pro", "--sha256", QString(64, 'a')},
         "--sha256 is used only with flash --file."},
        {{"flash", "X5 Pro", "--drain-timeout", "5"},
         "--drain-timeout is used only with flash --watch."},
        {{"flash", "X5 Pro", "--watch", "--port", ""},
         "--port takes a pattern over the USB port path, such as 1-1.*."},
        // A station's settings without MODEL: said before anything is fetched.
        {{"flash", "", "--watch"},
         "flash: the model's name is empty (is MODEL set in the station's settings?)."},
        {{"flash", "X5 Pro", "--station", "bench\t3"},
         "--station takes a name without control characters."},
        {{"flash", "X5 Pro", "--label", "lot"},
         "--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): "
         "\"lot\"."},
        {{"flash", "X5 Pro", "--label", "1st=a"},
         "--label takes KEY=VALUE, KEY of letters, digits and _ (not starting with a digit): "
         "\"1st=a\"."},
        {{"flash", "X5 Pro", "--label", "status=ok"},
         "--label status: that name is the record's own; choose another."},
        {{"flash", "X5 Pro", "--label", "__name__=x"},
         "--label __name__: that name is the record's own; choose another."},
        {{"flash", "X5 Pro", "--label", "lot=1", "--label", "LOT=2"},
         "--label LOT is given twice."},
        {{"flash", "X5 Pro", "--label", QString(51, 'k') + "=x"},
         "--label " + QString(51, 'k') +
             ": the key is longer than 50 characters, which the journal's field name "
             "MORVANE_LABEL_" +
             QString(51, 'K') + " cannot hold."},
        {{"flash", "X5 Pro", "--label", "lot=a\nb"},
         "--label lot: the value has a control character."},
        {{"flash", "X5 Pro", "--watch", "--metrics", "bench.txt"},
         "--metrics needs a file name ending in .prom, as node_exporter reads them."},
        {{"flash", "X5 Pro", "--journal"},
         "--journal and --metrics are used only with flash --watch."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), exitUsage);
        EXPECT_EQ(m_err, "morvane-flash: " + c.error + "\nTry 'morvane-flash --help'.\n");
        EXPECT_EQ(m_out, "");
    }
    EXPECT_EQ(m_server.requestCount("/product/MORVANE_LST.txt"), 0);

    // After "--" an argument is one even when it looks like --wait=SECONDS.
    EXPECT_EQ(run({"notes", "X5 Pro", "--", "--wait=2"}), exitUsage);
    EXPECT_EQ(m_err, "No version \"--wait=2\" of MORVANE X5 Pro in the catalogue.\n");
    // "--wait 5" names version 5, and the refusal says how the seconds are given.
    EXPECT_EQ(run({"flash", "X5 Pro", "--wait", "5"}), exitUsage);
    EXPECT_EQ(m_err, "No version \"5\" of MORVANE X5 Pro in the catalogue.\nTo give up after 5 "
                     "seconds of waiting, write --wait=5: the seconds are joined by \"=\".\n");
}

TEST_F(Options, VersionAndTheHelpOfOneCommand)
{
    MinisignTool minisign;
    MinisignTool standby;
    // minisign names the key id at the end of the .pub file's comment line.
    const QString keyId = QString::fromLatin1(minisign.publicKeyFile().split('\n').first())
                              .section(QLatin1Char(' '), -1);
    const struct
    {
        QStringList arguments;
        QString key;
        QString expected;
        QString absent;
    } cases[] = {
        {{"--version"},
         {},
         "morvane-flash " MORVANE_VERSION "\ncatalogue " + served("/product/MORVANE_LST.txt") +
             "\nno catalogue key\n",
         "Usage"},
        {{"list", "--version"}, minisign.publicKeyLine(), "\ncatalogue key " + keyId + "\n", "V2"},
        {{"--version"},
         minisign.publicKeyLine() + " " + standby.publicKeyLine(),
         "\ncatalogue keys " + keyId + " (active), " +
             minisignKeyIdText(parseMinisignPublicKey(standby.publicKeyLine()).key->keyId) +
             " (standby)\n",
         "Usage"},
        // Each command's help shows its own forms and options only.
        {{"flash", "--help"},
         {},
         "Usage: morvane-flash [--catalogue URL] [--bundle DIR] flash ",
         "--fetch"},
        {{"sign", "--help"}, {}, "Usage: morvane-flash [--catalogue URL] sign FILE ", "--bundle"},
        {{"doctor", "--help"}, {}, "\n  doctor [--json] [--root DIR]   checks", "--fetch"},
        {{"lint", "x", "--help"}, {}, "\n  --public-key <KEY>  ", "--all-devices"},
        {{"--help"}, {}, "\n  7    sign: minisign is missing or failed\n", "[--catalogue URL]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        m_catalogueKey = c.key;
        EXPECT_EQ(run(c.arguments), exitSuccess);
        EXPECT_TRUE(m_out.contains(c.expected)) << m_out.toStdString();
        EXPECT_FALSE(m_out.contains(c.absent)) << m_out.toStdString();
    }
}

// Every file a command reads is read bounded: a FIFO, a device, a link to one or a huge sparse
// file at any of its file options ends the command at once, with the file named and what it
// is, never waited on or read into memory.
TEST_F(Options, AFileOptionThatIsNoRegularFileEndsTheCommandAtOnce)
{
    MinisignTool minisign;
    const QString list = writeFile("L.txt", "X;1a86;e0a1;1;c;http://h/a;http://h/b\n");
    const QString fifo = inTemp("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = inTemp("zero");
    ASSERT_TRUE(QFile::link("/dev/zero", link));
    const QString huge = writeFile("huge", {});
    ASSERT_TRUE(QFile(huge).resize(qint64(4) << 30));
    const QString key = minisign.secretKeyPath();
    const struct
    {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"lint", "{F}"}, exitCatalogue},
        {{"lint", list, "--public-key", "{F}"}, exitUsage},
        {{"sign", "{F}", "--secret-key", key}, exitCatalogue},
        {{"sign", list, "--secret-key", "{F}"}, exitUsage},
        {{"sign", list, "--secret-key", key, "--public-key", "{F}"}, exitUsage},
        {{"flash", "--file", "{F}", "--vid", "1", "--pid", "1"}, exitUsage},
        // The signature beside the list, which {B} names: lint's verdict refuses it unread.
        {{"sign", "{B}", "--secret-key", key}, exitCatalogue},
        {{"lint", "{B}", "--public-key", minisign.publicKeyLine()}, exitIntegrity},
    };
    const QString beside = writeFile("B.txt", "X;1a86;e0a1;1;c;http://h/a;http://h/b\n");
    for (const QString &file : {fifo, QStringLiteral("/dev/zero"), link, huge}) {
        QFile::remove(beside + ".minisig");
        ASSERT_TRUE(QFile::link(file, beside + ".minisig"));
        for (const auto &c : cases) {
            QStringList arguments = c.arguments;
            arguments.replaceInStrings("{F}", file).replaceInStrings("{B}", beside);
            SCOPED_TRACE(arguments.join(' ').toStdString());
            QElapsedTimer timer;
            timer.start();
            EXPECT_EQ(run(arguments), c.status) << m_err.toStdString();
            EXPECT_LT(timer.elapsed(), 5000);
            const QString said = m_err + m_out;
            EXPECT_TRUE(said.contains(arguments.contains(beside) ? beside + ".minisig: it "
                                                                 : file + ": it "))
                << said.toStdString();
        }
    }
}

namespace {

// The names the manual's JSON OUTPUT section sets in bold under each "X --json" entry, with
// "-" for "\-": the contract a script reads the fields by.
QHash<QString, QSet<QString>> manualJsonNames()
{
    QFile manual(MORVANE_FLASH_MANUAL);
    EXPECT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(manual.readAll()).replace("\\-", "-");
    const QString section = text.section("\n.SH JSON OUTPUT\n", 1).section("\n.SH ", 0, 0);
    static const QRegularExpression entry("^\\.B (.+) --json$");
    static const QRegularExpression bold("^\\.(?:B|BR|RB|BI|IB) (.*)$");
    QHash<QString, QSet<QString>> names;
    QString current;
    for (const QString &line : section.split('\n')) {
        if (const QRegularExpressionMatch m = entry.match(line); m.hasMatch()) {
            current = m.captured(1);
        } else if (const QRegularExpressionMatch m = bold.match(line); m.hasMatch()) {
            for (QString word : m.captured(1).split(QRegularExpression("[\\s\"(),;]+"))) {
                names[current].insert(word.remove(QRegularExpression("^\\\\\\(dq|\\\\\\(dq$")));
            }
        }
    }
    return names;
}

void collectNames(const QJsonValue &value, QSet<QString> &names)
{
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray()) {
            collectNames(item, names);
        }
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            names.insert(it.key());
            // lint's kinds are names a script matches on too.
            if (it.key() == "kind") {
                names.insert(it.value().toString());
            }
            collectNames(it.value(), names);
        }
    }
}

} // namespace

// Every field a command writes with --json, and every kind lint names, is one the manual lists.
TEST_F(Options, EveryJsonNameIsOneTheManualLists)
{
    MinisignTool minisign;
    const QHash<QString, QSet<QString>> manual = manualJsonNames();
    const QString list =
        writeFile("L.txt", "X;1a86;e0a1;V1;c;" + QByteArray::fromStdString(m_server.baseUrl()) +
                               "/fw/x5_v2.bin;" + QByteArray::fromStdString(m_server.baseUrl()) +
                               "/notes/x5_v2.txt\n");
    const struct
    {
        QString entry;
        QStringList arguments;
    } cases[] = {
        {"list", {"list", "--json"}},
        // Refused before any device, the stream still ends with its event.
        {"flash", {"flash", "X5 Pro", "V9", "--json"}},
        {"notes", {"notes", "X5 Pro", "V2", "--json"}},
        {"bundle", {"bundle", "create", inTemp("bundle"), "K7", "--json"}},
        {"--version", {"--version", "--json"}},
        {"lint", {"lint", served("/product/MORVANE_LST.txt"), "--fetch", "--json"}},
        {"sign", {"sign", list, "--secret-key", minisign.secretKeyPath(), "--json"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        ASSERT_TRUE(manual.contains(c.entry));
        run(c.arguments);
        // One document, or one on each line.
        QJsonParseError whole;
        QJsonDocument::fromJson(m_out.toUtf8(), &whole);
        QSet<QString> names;
        for (const QString &text : whole.error == QJsonParseError::NoError
                                       ? QStringList{m_out}
                                       : m_out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
            collectNames(document.isArray() ? QJsonValue(document.array())
                                            : QJsonValue(document.object()),
                         names);
        }
        EXPECT_FALSE(names.isEmpty()) << (m_out + m_err).toStdString();
        for (const QString &name : names) {
            EXPECT_TRUE(manual[c.entry].contains(name)) << name.toStdString();
        }
    }
}

// File names that are not UTF-8 name the files a shell gave, for every file option of sign, for
// flash's log and metrics and for bundles, as main passes them on (fileNameFromBytes).
TEST_F(Options, FileNamesThatAreNotUtf8KeepTheirBytes)
{
    MinisignTool minisign;
    const QByteArray temp = QFile::encodeName(m_temp.path());
    const auto name = [&temp](const QByteArray &bytes) {
        return fileNameFromBytes(temp + bytes);
    };
    ASSERT_EQ(::mkdir(temp + "/m\xfd", 0700), 0);
    ASSERT_EQ(::mkdir(temp + "/m\xfd/product", 0700), 0);
    const auto write = [](const QByteArray &path, const QByteArray &bytes) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
    };
    write(temp + "/m\xfd/product/L\xff.txt", "X;1a86;e0a1;V1;c;http://h/a.bin;" +
                                                 QByteArray::fromStdString(m_server.baseUrl()) +
                                                 "/notes/x5_v2.txt\n");
    write(temp + "/m\xfd/product/a.bin", "image");
    QFile key(minisign.secretKeyPath());
    ASSERT_TRUE(key.open(QIODevice::ReadOnly));
    write(temp + "/k\xfe.key", key.readAll());
    EXPECT_EQ(run({"sign", name("/m\xfd/product/L\xff.txt"), "--secret-key", name("/k\xfe.key"),
                   "--root", name("/m\xfd")}),
              exitSuccess)
        << m_err.toStdString();
    struct stat signature = {};
    EXPECT_EQ(::stat(temp + "/m\xfd/product/L\xff.txt.minisig", &signature), 0);

    run({"flash", "--file", name("/m\xfd/product/a.bin"), "--vid", "1", "--pid", "1", "--log",
         name("/log\xfc.jsonl")});
    EXPECT_EQ(::stat(temp + "/log\xfc.jsonl", &signature), 0) << m_err.toStdString();

    // A station's metrics, beside another's whose name differs only in a byte that is not UTF-8.
    MetricsClaim other;
    ASSERT_EQ(other.claim(name("/m\xfd/s\xfc.prom")), std::nullopt);
    std::stop_source stopped;
    stopped.request_stop();
    run({"flash", "--file", name("/m\xfd/product/a.bin"), "--vid", "1", "--pid", "1", "--watch",
         "--metrics", name("/m\xfd/s\xfb.prom")},
        false, stopped.get_token());
    EXPECT_EQ(::stat(temp + "/m\xfd/s\xfb.prom", &signature), 0) << m_err.toStdString();

    // A bundle made in a new folder of such a name, and read from it.
    const QByteArray notes = "\n  V2 fixes the wheel.\n";
    m_catalogueKey = minisign.publicKeyLine();
    const std::string list =
        serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt;" +
                       imageTwoDigest + ";" + sha256Field(notes) + "\n");
    m_server.setBody(
        "/product/MORVANE_LST.txt.minisig",
        minisign.sign(QByteArray::fromStdString(list), false, "timestamp:1000").toStdString());
    const QString bundle = name("/b\xfa/new");
    ASSERT_EQ(run({"bundle", "create", bundle, "X5 Pro"}), exitSuccess) << m_err.toStdString();
    EXPECT_EQ(::stat(temp + "/b\xfa/new/MORVANE_LST.txt", &signature), 0);
    EXPECT_EQ(run({"--bundle", bundle, "list"}), exitSuccess) << m_err.toStdString();
    EXPECT_FALSE(m_out.contains("(not in the bundle)")) << m_out.toStdString();
    EXPECT_EQ(run({"--bundle", bundle, "notes", "X5 Pro", "V2"}), exitSuccess)
        << m_err.toStdString();
}
