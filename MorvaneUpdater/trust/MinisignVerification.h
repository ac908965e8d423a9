#pragma once

#include "trust/MinisignKey.h"
#include "trust/MinisignSignature.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// Why `signature` does not prove that the holder of one of `keys` signed `message` with the
// trusted comment it carries; nothing when it does. Checks, in minisign's order: the key
// id, which chooses the key, the signature over the message (or its BLAKE2b-512 hash), then
// the global signature over the signature and the trusted comment.
std::optional<QString> minisignVerificationProblem(QByteArrayView message,
                                                   const MinisignSignature &signature,
                                                   const QList<MinisignPublicKey> &keys);
