#include "catalogue/FirmwareListParser.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readDataFile(const char *name)
{
    QFile file(QStringLiteral(MORVANE_TEST_DATA_DIR "/catalogue/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}

} // namespace

// The list file as a Windows editor leaves it (BOM, CR LF), with a heading, a comment-like
// line, blank lines, a duplicate, bad URLs, a short line and Chinese names, read end to end.
TEST(CatalogueGolden, RealisticListFile)
{
    const std::optional<QString> text = decodeStrictUtf8(readDataFile("realistic.txt"));
    ASSERT_TRUE(text);
    const QList<FirmwareItem> items = parseFirmwareList(*text);

    QString records;
    for (const FirmwareItem &i : items) {
        records += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                       .arg(i.product, i.vid, i.pid, i.version, i.copyright,
                            QUrl(i.firmwareURL).toString(QUrl::FullyEncoded),
                            QUrl(i.notesURL).toString(QUrl::FullyEncoded));
    }
    EXPECT_EQ(records.toStdString(), readDataFile("realistic.expected").toStdString());

    QString models;
    const ModelIndex index(items);
    for (const QString &product : index.products()) {
        models += product + u'\t' + displayProductName(product) + u'\n';
    }
    EXPECT_EQ(models.toStdString(), readDataFile("realistic.models.expected").toStdString());
}
