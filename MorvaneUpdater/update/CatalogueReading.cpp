#include "update/CatalogueReading.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "trust/CatalogueSignature.h"
#include "trust/SignatureDates.h"
#include "update/UpdateMessages.h"

#include <QDateTime>

CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const QUrl &signatureURL, const DownloadResult *signature,
                               const AcceptedTimestamps &timestamps)
{
    SignatureDates dates;
    if (trust.key) {
        if (signature == nullptr || !signature->succeeded()) {
            return {
                std::nullopt,
                UpdateMessages::catalogueFetchFailed(UpdateMessages::signatureUnreadable(
                    signatureURL, signature != nullptr ? signature->errorDescription : QString())),
                true};
        }
        const CatalogueSignatureCheck check =
            checkCatalogueSignature(list, *signature->body, *trust.key);
        dates = parseSignatureDates(check.trustedComment);
        const std::optional<QString> problem =
            check.problem ? check.problem
                          : signatureDatesProblem(dates, timestamps.newest(trust.key->keyId),
                                                  QDateTime::currentSecsSinceEpoch());
        if (problem) {
            return {std::nullopt, UpdateMessages::catalogueFetchFailed(*problem), true};
        }
    }
    const std::optional<QString> text = decodeStrictUtf8(list);
    if (!text) {
        return {std::nullopt, UpdateMessages::catalogueUndecodable(), false};
    }
    if (trust.key) {
        // Not being able to keep it only means that the next list is trusted on first use.
        timestamps.accept(trust.key->keyId, *dates.timestamp);
    }
    return {parseFirmwareList(*text), QString(), false};
}

NotesReading readNotes(const FirmwareItem &item, bool keyBuiltIn, const DownloadResult &download)
{
    if (!download.succeeded()) {
        return {std::nullopt, UpdateMessages::notesFetchFailed(download.errorDescription)};
    }
    if (const std::optional<QString> refusal = notesRefusal(item, keyBuiltIn, *download.body)) {
        return {std::nullopt, UpdateMessages::notesFetchFailed(*refusal), true};
    }
    const std::optional<QString> notes = decodeServerText(*download.body);
    const QString trimmed = notes ? trimWhitespaceAndNewlines(*notes) : QString();
    if (trimmed.isEmpty()) {
        return {std::nullopt, UpdateMessages::noNotes()};
    }
    return {trimmed, QString()};
}
