#include "trust/MinisignSecretKey.h"

#include "trust/MinisignBase64.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <cstring>

namespace {

// "Ed", the KDF ("Sc" for scrypt, two zero bytes for none), "B2" checksum, salt, ops and
// memory limits, then key id, key and checksum, which the KDF seals when there is one.
constexpr qsizetype kdfOffset = 2;
constexpr qsizetype secretKeyIdOffset = 2 + 2 + 2 + 32 + 8 + 8;
constexpr qsizetype secretKeyFileSize = secretKeyIdOffset + 8 + 64 + 32;

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MinisignSecretKey)
};

} // namespace

MinisignPublicKey MinisignSecretKey::publicKey() const
{
    MinisignPublicKey key;
    key.keyId = keyId;
    std::memcpy(key.key.data(), secretKey.data() + 32, key.key.size());
    return key;
}

ParsedMinisignSecretKey parseMinisignSecretKey(QByteArrayView file)
{
    const QList<QByteArray> lines = file.toByteArray().split('\n');
    const std::optional<QByteArray> bytes =
        lines.size() < 2 ? std::nullopt : decodeMinisignBase64(lines[1].trimmed());
    if (!bytes || bytes->size() != secretKeyFileSize || !bytes->startsWith("Ed")) {
        return {std::nullopt, false,
                Texts::tr("it is not a minisign secret key (its second line is the key in "
                          "base64, as minisign -G writes it)")};
    }
    if (bytes->sliced(kdfOffset, 2) != QByteArray(2, '\0')) {
        return {std::nullopt, true, QString()};
    }
    MinisignSecretKey key;
    std::memcpy(key.keyId.data(), bytes->constData() + secretKeyIdOffset, key.keyId.size());
    std::memcpy(key.secretKey.data(), bytes->constData() + secretKeyIdOffset + 8,
                key.secretKey.size());
    return {key, false, QString()};
}
