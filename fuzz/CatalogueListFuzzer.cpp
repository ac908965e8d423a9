// The list file as it comes off the network: bytes, strict UTF-8, the parser, the model list.
#include "FuzzCheck.h"
#include "catalogue/FirmwareItem.h"
#include "catalogue/FirmwareListParser.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/ModelList.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <tuple>

namespace {

// Field by field and code unit by code unit, unlike the records' own equality.
bool identical(const QList<FirmwareItem> &a, const QList<FirmwareItem> &b)
{
    const auto fields = [](const FirmwareItem &i) {
        return std::tie(i.product, i.vid, i.pid, i.version, i.copyright, i.firmwareURL, i.notesURL,
                        i.digest);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const auto &x, const auto &y) { return fields(x) == fields(y); });
}

bool isCleanField(const QString &field)
{
    return trimWhitespaceAndNewlines(field) == field && !field.contains(u';') &&
           std::none_of(field.begin(), field.end(), [](QChar c) { return isNewline(c.unicode()); });
}

const QList<QString FirmwareItem::*> textFields = {&FirmwareItem::product, &FirmwareItem::vid,
                                                   &FirmwareItem::pid, &FirmwareItem::version,
                                                   &FirmwareItem::copyright};

// The byte check names a byte exactly when the strict decoder refuses (the server text
// target checks that against Qt's), and everything before that byte is valid.
std::optional<QString> decodeAndCompare(const QByteArray &bytes)
{
    const std::optional<QString> text = decodeStrictUtf8(bytes);
    const std::optional<qsizetype> bad = firstInvalidUtf8Byte(bytes);
    FUZZ_CHECK(bad.has_value() == !text.has_value());
    FUZZ_CHECK(!bad || decodeStrictUtf8(bytes.left(*bad)));
    return text;
}

void checkRecord(const FirmwareItem &item)
{
    FUZZ_CHECK(QUrl(item.firmwareURL).isValid() && !item.firmwareURL.isEmpty());
    FUZZ_CHECK(QUrl(item.notesURL).isValid() && !item.notesURL.isEmpty());
    for (QString FirmwareItem::*field : textFields) {
        FUZZ_CHECK(isCleanField(item.*field));
    }
    // Field 8 is kept only when it claims to be a digest.
    FUZZ_CHECK(item.digest.isEmpty() || item.digest.startsWith(u"sha256:"));
    FUZZ_CHECK(isCleanField(item.digest));
    FUZZ_CHECK(item.vid == item.vid.toUpper());
    FUZZ_CHECK(item.pid == item.pid.toUpper());

    // Canonical equivalence: the decomposed spelling of a record is the same record.
    const FirmwareItem copy = item;
    FirmwareItem nfd = item;
    for (QString FirmwareItem::*field : textFields) {
        nfd.*field = (item.*field).normalized(QString::NormalizationForm_D);
    }
    FUZZ_CHECK(copy == item && !(copy != item));
    FUZZ_CHECK(nfd == item && item == nfd);
    FUZZ_CHECK(qHash(nfd, 7) == qHash(item, 7));
    FUZZ_CHECK(std::hash<FirmwareItem>()(nfd) == std::hash<FirmwareItem>()(item));
}

// Each model once (no two canonically equivalent), as its first record writes it, in order
// of first appearance; its records in catalogue order and all of its name; together the
// models' records partition the catalogue.
void checkModelList(const QList<FirmwareItem> &items)
{
    const ModelIndex index(items);
    FUZZ_CHECK(index.recordsOf(std::nullopt).isEmpty());
    QSet<QString> names;
    qsizetype listed = 0;
    qsizetype previousFirst = -1;
    for (const QString &product : index.products()) {
        FUZZ_CHECK(!names.contains(canonicalForm(product)));
        names.insert(canonicalForm(product));
        const QList<qsizetype> positions = index.recordsOf(product);
        FUZZ_CHECK(!positions.isEmpty() && positions.first() > previousFirst);
        FUZZ_CHECK(std::is_sorted(positions.begin(), positions.end()));
        for (const qsizetype position : positions) {
            FUZZ_CHECK(sameProductName(items.at(position).product, product));
        }
        FUZZ_CHECK(items.at(positions.first()).product == product);
        previousFirst = positions.first();
        listed += positions.size();
    }
    FUZZ_CHECK(listed == items.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QString> text = decodeAndCompare(bytes);
    if (!text) {
        return 0;
    }

    const QList<FirmwareItem> items = parseFirmwareList(*text);
    FUZZ_CHECK(identical(items, parseFirmwareList(*text)));

    // Line by line gives what the whole gives, whichever line ends were used.
    const QStringList lines = splitCatalogueLines(*text);
    QList<FirmwareItem> lineByLine;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.isEmpty());
        FUZZ_CHECK(splitCatalogueLines(line) == QStringList{line});
        const QList<FirmwareItem> fromLine = parseFirmwareList(line);
        FUZZ_CHECK(fromLine.size() <= 1);
        lineByLine += fromLine;
    }
    FUZZ_CHECK(identical(items, lineByLine));

    for (const FirmwareItem &item : items) {
        checkRecord(item);
    }
    checkModelList(items);
    return 0;
}
