#include "FirmwareListParser.h"
#include "ModelList.h"
#include "ServerTextDecoder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readDataFile(const QString &name)
{
    QFile file(QStringLiteral(MORVANE_TEST_DATA_DIR "/catalogue/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(file.fileName());
        return {};
    }
    return file.readAll();
}

// Tabs, line ends and backslashes inside a field are escaped so every record stays one line.
QString escaped(QString field)
{
    return field.replace(u'\\', QLatin1String("\\\\"))
        .replace(u'\t', QLatin1String("\\t"))
        .replace(u'\n', QLatin1String("\\n"))
        .replace(u'\r', QLatin1String("\\r"));
}

QString formatLine(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields) {
        out.append(escaped(field));
    }
    return out.join(u'\t') + u'\n';
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
    for (const FirmwareItem &item : items) {
        records += formatLine({item.product, item.vid, item.pid, item.version, item.copyright,
                               QString::fromUtf8(item.firmwareURL.toEncoded()),
                               QString::fromUtf8(item.notesURL.toEncoded())});
    }
    EXPECT_EQ(records.toStdString(), readDataFile("realistic.expected").toStdString());

    QString models;
    for (const QString &product : deriveProducts(items)) {
        models += formatLine({product, displayProductName(product)});
    }
    EXPECT_EQ(models.toStdString(), readDataFile("realistic.models.expected").toStdString());
}
