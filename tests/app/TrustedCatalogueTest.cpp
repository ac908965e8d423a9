#include "AppFixture.h"
#include "MinisignTool.h"
#include "TestFiles.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignKey.h"
#include "trust/SignatureDates.h"

#include <QDateTime>

namespace {

const std::string signaturePath = "/product/MORVANE_LST.txt.minisig";
const QString listFailure = QStringLiteral("读取固件列表失败：");

} // namespace

class TrustedCatalogue : public AppFixture
{
protected:
    // Chooses `row` of the one model and runs the update; gives its last pane line.
    QString updateRow(int row)
    {
        chooseVersion(row);
        return runUpdate().last();
    }

    MinisignTool m_publisher;
};

// Every way a signature fails is the catalogue road's; here, that a signature that cannot be
// fetched keeps the catalogue empty and says why.
TEST_F(TrustedCatalogue, AListWhoseSignatureCannotBeFetchedIsNotShown)
{
    m_catalogueKey = m_publisher.publicKeyLine();
    m_server.setBody(signaturePath, "Not Found", 404);
    const AppDelegate &app = launchWith(line("MORVANE X1", "V1", "V1"));
    EXPECT_EQ(app.infoText(), listFailure + QStringLiteral("The catalogue signature \u201C") +
                                  QString::fromStdString(url(signaturePath)) +
                                  QStringLiteral("\u201D could not be read: The server answered "
                                                 "with HTTP status 404 (Not Found)."));
    EXPECT_TRUE(app.allItems().isEmpty());
}

// Which lists the record lets in is the catalogue road's; here, that a notice about the
// record opens the pane whatever text replaces it. The record lies ahead of the clock, as
// when the clock was set back: the list already taken is taken again, and the notice is
// still there when its notes have arrived, and after a failed list.
TEST_F(TrustedCatalogue, ANoticeAboutTheRecordStaysInSightWhateverReplacesThePane)
{
    m_catalogueKey = m_publisher.publicKeyLine();
    const QByteArray list = QByteArray::fromStdString(
        line("MORVANE X1", "V1", "V1", sha256Field("image") + ";" + sha256Field("the notes")));
    m_server.setBody("/fw/V1.txt", "the notes");
    const qint64 ahead = QDateTime::currentSecsSinceEpoch() + 3 * 86'400;
    const auto signedAt = [&](qint64 seconds) {
        m_server.setBody(
            signaturePath,
            m_publisher.sign(list, false, "timestamp:" + QString::number(seconds)).toStdString());
    };
    signedAt(ahead - 4 * 86'400);
    launchWith(list.toStdString());
    ASSERT_TRUE(waitForEnding("the notes"));
    EXPECT_FALSE(m_app->infoText().contains("signing time")) << m_app->infoText().toStdString();
    for (const QString &kept :
         QDir(m_folder).entryList({".catalogue-*.timestamp"}, QDir::Hidden | QDir::Files)) {
        putFile(QDir(m_folder).filePath(kept), QByteArray::number(ahead));
    }
    const QString notice = "The newest catalogue signing time taken on this computer (" +
                           signatureDateText(ahead) + ") lies ahead of its clock";
    signedAt(ahead);
    launchWith(list.toStdString());
    ASSERT_TRUE(waitForEnding("the notes"));
    EXPECT_TRUE(m_app->infoText().startsWith(notice)) << m_app->infoText().toStdString();
    EXPECT_TRUE(m_app->infoText().contains("\n\nModel: MORVANE X1\n"));

    signedAt(ahead - 1);
    launchWith(list.toStdString());
    EXPECT_TRUE(m_app->infoText().startsWith(notice)) << m_app->infoText().toStdString();
    EXPECT_TRUE(m_app->infoText().contains("\n\n" + listFailure + "The catalogue was signed "));
}

TEST_F(TrustedCatalogue, DigestsDecideWhatIsFlashedWithOrWithoutAKey)
{
    const auto device = attachDevice();
    const std::string image = "firmware image";
    std::string upper = sha256Field(image);
    std::transform(upper.begin() + 7, upper.end(), upper.begin() + 7, ::toupper);
    for (const char *stem : {"good", "bad", "none", "malformed"}) {
        m_server.setBody("/fw/" + std::string(stem) + ".bin", image);
        m_server.setBody("/fw/" + std::string(stem) + ".txt", "notes");
    }
    // Field 9 does for the notes what field 8 does for the image.
    const std::string list =
        line("X", "good", "good", upper + ";" + sha256Field("notes")) +
        line("X", "bad", "bad", sha256Field("other") + ";" + sha256Field("other")) +
        line("X", "none", "none") + line("X", "malformed", "malformed", "sha256:12ab;sha256:12ab");
    const QString notesFailed = QStringLiteral("固件说明读取失败：");
    const QString noDigest = "Update failed: The signed catalogue gives no image digest";
    const QString malformed = "Update failed: The catalogue's image digest for this version is "
                              "malformed (\u201Csha256:12ab\u201D)";
    const QString mismatch =
        "Firmware download failed: The image does not match the catalogue's "
        "digest (" +
        digestMismatchText(sha256Of("other"), sha256Of(QByteArray::fromStdString(image))) + ")";
    for (const bool keyed : {false, true}) {
        SCOPED_TRACE(keyed ? "key" : "no key");
        m_catalogueKey = keyed ? m_publisher.publicKeyLine() : QString();
        m_server.setBody(signaturePath,
                         m_publisher.sign(QByteArray::fromStdString(list)).toStdString());
        launchWith(list);
        // Without a key nothing asks for a signature.
        EXPECT_EQ(m_server.requestCount(signaturePath), keyed ? 1 : 0);
        const QString notesShown[] = {
            "notes",
            notesFailed + "The release notes do not match the catalogue's digest (" +
                digestMismatchText(sha256Of("other"), sha256Of("notes")) + ").",
            keyed ? notesFailed + "The signed catalogue gives no digest for these release notes, "
                                  "so they cannot be checked."
                  : "notes",
            notesFailed + QStringLiteral("The catalogue's digest for these release notes is "
                                         "malformed (\u201Csha256:12ab\u201D)."),
        };
        for (int row = 0; row < 4; ++row) {
            chooseVersion(row);
            const QString text = m_app->infoText();
            EXPECT_EQ(text.mid(text.indexOf("\n\n") + 2), notesShown[row]);
        }
        EXPECT_EQ(updateRow(0), "Update completed.");
        EXPECT_TRUE(QFile::remove(QDir(m_folder).filePath("good.bin")));
        EXPECT_TRUE(updateRow(1).startsWith(mismatch));
        EXPECT_TRUE(updateRow(2).startsWith(keyed ? noDigest : "Update completed."));
        EXPECT_TRUE(updateRow(3).startsWith(malformed));
        EXPECT_EQ(QDir(m_folder).exists("bad.bin"), false);
    }
    EXPECT_EQ(device->handshakes(), 3u);
    EXPECT_EQ(m_server.requestCount("/fw/none.bin"), 1);
    EXPECT_EQ(m_server.requestCount("/fw/malformed.bin"), 0);
    // The list, its signature, the notes and the images alike asked caches not to answer.
    for (const CatalogueServer::RequestRecord &request : m_server.requests()) {
        std::string noCache;
        for (const auto &[name, value] : request.headers) {
            noCache += value == "no-cache" ? name + ' ' : "";
        }
        EXPECT_EQ(noCache, "Cache-Control Pragma ") << request.path;
    }
}

// Which addresses are refused is the catalogue tests'; here, that each download asks first.
// Qt itself would read both: a local file, and the notes from the address itself.
TEST_F(TrustedCatalogue, AddressesOutsideTheWebAreNeverFetched)
{
    attachDevice();
    launchWith("A;1a86;e0a1;V;c;file:///etc/hostname;data:text/plain,hello\n");
    EXPECT_TRUE(m_app->infoText().contains(
        QStringLiteral("\n\n固件说明读取失败：The address \u201Cdata:text/plain,hello\u201D is not "
                       "a web address;")))
        << m_app->infoText().toStdString();
    EXPECT_TRUE(updateRow(0).startsWith(
        QStringLiteral("Firmware download failed: The address \u201Cfile:///etc/hostname\u201D")));
    EXPECT_EQ(m_server.requests().size(), 1u); // the list
    EXPECT_TRUE(QDir(m_folder).entryList(QDir::Files).isEmpty());

    makeApp(QUrl("file:///etc/hostname")).fetchFirmwareList();
    EXPECT_TRUE(
        m_app->infoText().startsWith(listFailure + "The address \u201Cfile:///etc/hostname"));
}
