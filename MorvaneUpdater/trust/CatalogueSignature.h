#pragma once

#include "trust/MinisignKey.h"

#include <QByteArrayView>
#include <QString>
#include <QUrl>
#include <optional>

// Where the list file's signature is published: "<list address>.minisig".
QUrl catalogueSignatureURL(const QUrl &listURL);

// Why the list file's bytes are not to be trusted under `key`: a malformed signature file,
// another key, bytes that differ from those signed, or an altered trusted comment.
// Nothing when the signature holds.
std::optional<QString> catalogueSignatureProblem(QByteArrayView listBody,
                                                 QByteArrayView signatureBody,
                                                 const MinisignPublicKey &key);
