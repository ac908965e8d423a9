#include "trust/CatalogueSignature.h"

#include "trust/MinisignSignature.h"
#include "trust/MinisignVerification.h"

QUrl catalogueSignatureURL(const QUrl &listURL)
{
    QUrl url = listURL;
    url.setPath(listURL.path(QUrl::FullyEncoded) + QStringLiteral(".minisig"), QUrl::TolerantMode);
    return url;
}

CatalogueSignatureCheck checkCatalogueSignature(QByteArrayView listBody,
                                                QByteArrayView signatureBody,
                                                const QList<MinisignPublicKey> &keys)
{
    const QString context = QStringLiteral("The catalogue signature is not valid. ");
    const ParsedMinisignSignature parsed = parseMinisignSignature(signatureBody);
    if (!parsed.signature) {
        return {context + parsed.error, {}};
    }
    if (const std::optional<QString> problem =
            minisignVerificationProblem(listBody, *parsed.signature, keys)) {
        return {context + *problem, {}};
    }
    return {std::nullopt, parsed.signature->trustedComment, parsed.signature->keyId};
}

std::optional<QString> catalogueSignatureProblem(QByteArrayView listBody,
                                                 QByteArrayView signatureBody,
                                                 const MinisignPublicKey &key)
{
    return checkCatalogueSignature(listBody, signatureBody, {key}).problem;
}
