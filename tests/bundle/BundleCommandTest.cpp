#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "frame/ExitStatus.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

// A bundle is made from the catalogue road and read as that catalogue: nothing in it is believed
// without the signature, the digests and the record of signing times, and nothing is fetched.
class Bundles : public CommandLineFixture
{
protected:
    void SetUp() override
    {
        CommandLineFixture::SetUp();
        m_catalogueKey = m_publisher.publicKeyLine();
        m_server.setBody("/notes/x5_v1.txt", "V1 notes");
        const auto digests = [](const std::string &image, const std::string &notes) {
            return ";" + sha256Field(image) + ";" + sha256Field(notes);
        };
        m_list =
            serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt" +
                           digests(imageBytes(2), "\n  V2 fixes the wheel.\n") +
                           "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/x5_v1.bin;{B}/notes/x5_v1.txt" +
                           digests(imageBytes(1), "V1 notes") +
                           "\nMORVANE K7;1209;0001;V3;c;{B}/fw/k7_v3.bin;{B}/notes/k7_v3.txt\n");
        sign(1000);
    }

    void sign(qint64 signedAt)
    {
        m_server.setBody("/product/MORVANE_LST.txt.minisig",
                         m_publisher
                             .sign(QByteArray::fromStdString(m_list), false,
                                   QStringLiteral("timestamp:%1").arg(signedAt))
                             .toStdString());
    }

    QString inBundle(const std::string &name) const
    {
        return QDir(inTemp("bundle")).filePath(QString::fromStdString(name));
    }

    MinisignTool m_publisher;
    std::string m_list;
};

TEST_F(Bundles, FlashFromABundleAndRefuseWhatWasChanged)
{
    ASSERT_EQ(run({"bundle", "create", inTemp("pristine"), "x5 pro"}), exitSuccess)
        << m_err.toStdString();
    EXPECT_EQ(m_out, "Bundled MORVANE X5 Pro V2.\nBundled MORVANE X5 Pro V1.\nThe bundle in " +
                         inTemp("pristine") + " holds 2 version(s) of " +
                         served("/product/MORVANE_LST.txt") + ".\n");
    QFile list(QDir(inTemp("pristine")).filePath("MORVANE_LST.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_EQ(list.readAll().toStdString(), m_list);

    const auto flipByte = [](const QString &path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 1);
        file.seek(0);
        file.write(bytes);
    };
    const QString v2Image = inBundle(sha256Hex(imageBytes(2)));
    const QString v1Image = inBundle(sha256Hex(imageBytes(1)));
    const struct
    {
        const char *change;
        std::function<void()> apply;
        QStringList arguments;
        int status;
        QString line;
    } cases[] = {
        {"none", [] {}, {"flash", "X5 Pro", "V1"}, exitSuccess, "Update completed."},
        {"none", [] {}, {"notes", "X5 Pro", "V2"}, exitSuccess, "V2 fixes the wheel."},
        {"image flipped",
         [&] { flipByte(v1Image); },
         {"flash", "X5 Pro", "V1"},
         exitIntegrity,
         "Firmware download failed: The image does not match the catalogue's digest"},
        {"image gone",
         [&] { QFile::remove(v2Image); },
         {"flash", "X5 Pro"},
         exitCatalogue,
         "Firmware download failed: Not in the bundle " + inTemp("bundle") +
             ": a firmware image, file " + v2Image.section('/', -1) + "."},
        {"image a link",
         [&] { QFile::remove(v2Image), QFile::link(v1Image, v2Image); },
         {"flash", "X5 Pro"},
         exitCatalogue,
         "it is a link, which is not followed"},
        {"notes flipped",
         [&] { flipByte(inBundle(sha256Hex("V1 notes"))); },
         {"notes", "X5 Pro", "V1"},
         exitIntegrity,
         "The release notes do not match"},
        {"notes gone",
         [&] { QFile::remove(inBundle(sha256Hex("V1 notes"))); },
         {"notes", "X5 Pro", "V1"},
         exitCatalogue,
         "lacks the release notes of MORVANE X5 Pro V1 (not in the bundle). Make the bundle"},
        {"list flipped",
         [&] { flipByte(inBundle("MORVANE_LST.txt")); },
         {"list"},
         exitIntegrity,
         "The catalogue signature is not valid."},
        {"signature gone",
         [&] { QFile::remove(inBundle("MORVANE_LST.txt.minisig")); },
         {"list"},
         exitIntegrity,
         "could not be read: Not in the bundle"},
        {"none",
         [] {},
         {"list", "--catalogue", served("/other.txt")},
         exitCatalogue,
         "holds the catalogue " + served("/product/MORVANE_LST.txt") + ", not "},
        // Taken online, a newer list raises the floor: the bundle's is then a rollback.
        {"newer list taken",
         [&] { sign(2000), run({"list"}); },
         {"list"},
         exitIntegrity,
         "before the list already accepted"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change);
        QDir(inTemp("bundle")).removeRecursively();
        // A bundle of a bundle is its copy, made without the network.
        ASSERT_EQ(
            run({"--bundle", inTemp("pristine"), "bundle", "create", inTemp("bundle"), "X5 Pro"}),
            exitSuccess);
        const auto device = attachDevice();
        c.apply();
        const std::size_t requests = m_server.requests().size();
        EXPECT_EQ(run(QStringList{"--bundle", inTemp("bundle")} + c.arguments), c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.line)) << (m_out + m_err).toStdString();
        EXPECT_EQ(m_server.requests().size(), requests);
        // A refused image never reaches the device.
        EXPECT_EQ(device->handshakes(), c.status == exitSuccess && c.arguments[0] == "flash");
        m_hid.detach(device);
    }
}

// What the updater would refuse is not bundled. Refused before anything is written, an older
// bundle in the folder is left as it was; stopped half-way, no bundle is left to be read.
TEST_F(Bundles, WhatCannotBeBundledIsNamedAndNoHalfBundleIsRead)
{
    ASSERT_EQ(run({"bundle", "create", inTemp("bundle"), "X5 Pro"}), exitSuccess);
    ASSERT_EQ(run({"--bundle", inTemp("bundle"), "list"}), exitSuccess);
    EXPECT_TRUE(m_out.contains("  V2  1A86:E0A1  c\n")) << m_out.toStdString();
    EXPECT_TRUE(m_out.contains("  V3  1209:0001  c  (not in the bundle)\n"));
    const struct
    {
        QStringList words;
        std::string image;
        QString key;
        int status;
        QString line;
        bool stillRead;
    } cases[] = {
        {{"K7"},
         imageBytes(2),
         {},
         exitIntegrity,
         "MORVANE K7 V3 cannot be bundled: its list line gives no image digest, and a bundle "
         "keeps every file under its digest.",
         true},
        {{}, imageBytes(2), {}, exitIntegrity, "MORVANE K7 V3 cannot be bundled", true},
        {{"X5 Pro"}, imageBytes(2), " ", exitIntegrity, "This build trusts no catalogue key", true},
        {{"X5 Pro", "V2"},
         imageBytes(3),
         {},
         exitIntegrity,
         "Firmware download failed: The image does not match the catalogue's digest",
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        m_catalogueKey = c.key.isEmpty() ? m_publisher.publicKeyLine() : c.key;
        m_server.setBody("/fw/x5_v2.bin", c.image);
        EXPECT_EQ(run(QStringList{"bundle", "create", inTemp("bundle")} + c.words), c.status);
        EXPECT_TRUE(m_err.contains(c.line)) << m_err.toStdString();
        m_catalogueKey = m_publisher.publicKeyLine();
        EXPECT_EQ(run({"--bundle", inTemp("bundle"), "list"}) == exitSuccess, c.stillRead)
            << m_err.toStdString();
    }
    // A folder that cannot be written is a file that cannot be written, not a usage error.
    EXPECT_EQ(run({"bundle", "create", writeFile("a-file", "x"), "X5 Pro"}), exitCatalogue)
        << m_err.toStdString();
}
