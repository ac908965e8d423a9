#include "update/CatalogueReading.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/ServerTextDecoder.h"
#include "trust/CatalogueSignature.h"
#include "update/UpdateMessages.h"

CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const QUrl &signatureURL, const DownloadResult *signature)
{
    if (trust.key) {
        const std::optional<QString> problem =
            signature != nullptr && signature->succeeded()
                ? catalogueSignatureProblem(list, *signature->body, *trust.key)
                : UpdateMessages::signatureUnreadable(
                      signatureURL, signature != nullptr ? signature->errorDescription : QString());
        if (problem) {
            return {std::nullopt, UpdateMessages::catalogueFetchFailed(*problem), true};
        }
    }
    const std::optional<QString> text = decodeStrictUtf8(list);
    if (!text) {
        return {std::nullopt, UpdateMessages::catalogueUndecodable(), false};
    }
    return {parseFirmwareList(*text), QString(), false};
}
