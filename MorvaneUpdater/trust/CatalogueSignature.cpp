#include "trust/CatalogueSignature.h"

#include "trust/MinisignSignature.h"
#include "trust/MinisignVerification.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueSignature)
};

QString notValid(const QString &problem)
{
    return Texts::tr("The catalogue signature is not valid. %1").arg(problem);
}

} // namespace

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
    const ParsedMinisignSignature parsed = parseMinisignSignature(signatureBody);
    if (!parsed.signature) {
        return {notValid(parsed.error), {}};
    }
    if (const std::optional<QString> problem =
            minisignVerificationProblem(listBody, *parsed.signature, keys)) {
        return {notValid(*problem), {}};
    }
    return {std::nullopt, parsed.signature->trustedComment, parsed.signature->keyId};
}

std::optional<QString> catalogueSignatureProblem(QByteArrayView listBody,
                                                 QByteArrayView signatureBody,
                                                 const MinisignPublicKey &key)
{
    return checkCatalogueSignature(listBody, signatureBody, {key}).problem;
}
