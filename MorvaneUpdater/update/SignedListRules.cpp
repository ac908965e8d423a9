#include "update/SignedListRules.h"

#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareListParser.h"
#include "catalogue/UnicodeText.h"
#include "download/WebAddress.h"

#include <QHash>

std::optional<RecordProblem> signedRecordProblem(const FirmwareItem &item)
{
    const struct
    {
        const char *field;
        QUrl url;
    } addresses[] = {{"firmware", item.firmwareURL}, {"release-notes", item.notesURL}};
    for (const auto &address : addresses) {
        if (const std::optional<QString> problem = webAddressProblem(address.url)) {
            return RecordProblem{QStringLiteral("not-web-address"),
                                 QStringLiteral("the %1 address cannot be downloaded. %2")
                                     .arg(QLatin1String(address.field), *problem)};
        }
    }
    const std::optional<UsbIds> ids = usbIdsOf(item.vid.toStdString(), item.pid.toStdString());
    if (!ids || !isWatchable(*ids)) {
        return RecordProblem{
            QStringLiteral("invalid-usb-id"),
            QStringLiteral("the ids \"%1\" and \"%2\" are not both hexadecimal numbers from 1 "
                           "to ffff: no device matches them")
                .arg(item.vid, item.pid)};
    }
    return std::nullopt;
}

RecordProblem duplicateVersionProblem(const FirmwareItem &item, qsizetype earlierLine)
{
    return {QStringLiteral("duplicate-version"),
            QStringLiteral("version \"%1\" of model \"%2\" is also on line %3 with other fields; "
                           "the updater cannot choose between them")
                .arg(item.version, item.product)
                .arg(earlierLine)};
}

QList<CatalogueFinding> signedListProblems(const QString &text)
{
    QList<CatalogueFinding> problems;
    QHash<FirmwareItem, qsizetype> records;
    QHash<QString, qsizetype> versions;
    const auto add = [&problems](qsizetype line, const RecordProblem &problem) {
        problems.append({CatalogueFinding::Severity::error, line, problem.kind, problem.message});
    };
    qsizetype number = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') {
            ++end;
        }
        ++number;
        for (const QString &segment : splitCatalogueLines(text.sliced(start, end - start))) {
            if (trimWhitespaceAndNewlines(segment).isEmpty()) {
                continue;
            }
            const std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
            const FirmwareItem *item = std::get_if<FirmwareItem>(&parsed);
            if (!item) {
                add(number, {QStringLiteral("not-a-record"),
                             QStringLiteral("the line is not a record the updater can read")});
                continue;
            }
            if (const std::optional<RecordProblem> problem = signedRecordProblem(*item)) {
                add(number, *problem);
            }
            if (records.contains(*item)) {
                continue;
            }
            records.insert(*item, number);
            const QString key =
                canonicalForm(item->product) + QChar(0) + canonicalForm(item->version);
            if (const auto it = versions.constFind(key); it != versions.cend()) {
                add(number, duplicateVersionProblem(*item, *it));
            } else {
                versions.insert(key, number);
            }
        }
        start =
            end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    }
    return problems;
}
