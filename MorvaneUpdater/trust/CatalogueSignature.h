#pragma once

#include "trust/MinisignKey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// Where the list file's signature is published: "<list address>.minisig".
QUrl catalogueSignatureURL(const QUrl &listURL);

struct CatalogueSignatureCheck
{
    // Why the list is not to be trusted; nothing when the signature holds.
    std::optional<QString> problem;
    // The verified trusted comment, when the signature holds.
    QByteArray trustedComment;
    // The key that made it, when it holds.
    MinisignKeyId keyId = {};
};

// The signature's key id chooses which of `keys` it is checked by; one made with any other
// key is refused, naming its id and those trusted.
CatalogueSignatureCheck checkCatalogueSignature(QByteArrayView listBody,
                                                QByteArrayView signatureBody,
                                                const QList<MinisignPublicKey> &keys);

// Why the list file's bytes are not to be trusted under `key`: a malformed signature file,
// another key, bytes that differ from those signed, or an altered trusted comment.
// Nothing when the signature holds.
std::optional<QString> catalogueSignatureProblem(QByteArrayView listBody,
                                                 QByteArrayView signatureBody,
                                                 const MinisignPublicKey &key);
