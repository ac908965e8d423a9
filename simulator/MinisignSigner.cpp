#include "MinisignSigner.h"

#include "trust/MinisignBase64.h"
#include "trust/Sodium.h"

#include <QList>
#include <cstring>
#include <sodium.h>
#include <stdexcept>

namespace {

// "Ed", KDF none, "B2" checksum, salt, ops and memory limits, then key id, key, checksum.
constexpr qsizetype secretKeyIdOffset = 2 + 2 + 2 + 32 + 8 + 8;
constexpr qsizetype secretKeyFileSize = secretKeyIdOffset + 8 + 64 + 32;

QByteArray bytesOf(const unsigned char *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace

MinisignPublicKey MinisignSecretKey::publicKey() const
{
    MinisignPublicKey key;
    key.keyId = keyId;
    crypto_sign_ed25519_sk_to_pk(key.key.data(), secretKey.data());
    return key;
}

std::optional<MinisignSecretKey> parseMinisignSecretKey(QByteArrayView file)
{
    const QList<QByteArray> lines = file.toByteArray().split('\n');
    if (lines.size() < 2) {
        return std::nullopt;
    }
    // Nothing either when libsodium cannot work here: the decoder asks it first.
    const std::optional<QByteArray> bytes = decodeMinisignBase64(lines[1].trimmed());
    if (!bytes || bytes->size() != secretKeyFileSize ||
        !bytes->startsWith(QByteArray("Ed\0\0B2", 6))) {
        return std::nullopt;
    }
    MinisignSecretKey key;
    std::memcpy(key.keyId.data(), bytes->constData() + secretKeyIdOffset, key.keyId.size());
    std::memcpy(key.secretKey.data(), bytes->constData() + secretKeyIdOffset + 8,
                key.secretKey.size());
    return key;
}

MinisignSecretKey generateMinisignSecretKey()
{
    // Said aloud: an all-zero key would still sign, and none of its signatures would be worth
    // anything.
    if (!sodiumReady()) {
        throw std::runtime_error("libsodium cannot work on this machine: no key generated");
    }
    MinisignSecretKey key;
    std::array<unsigned char, 32> publicKey{};
    randombytes_buf(key.keyId.data(), key.keyId.size());
    crypto_sign_keypair(publicKey.data(), key.secretKey.data());
    return key;
}

QByteArray minisignSign(QByteArrayView message, const MinisignSecretKey &key,
                        QByteArrayView trustedComment)
{
    std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
    crypto_generichash(hash.data(), hash.size(),
                       reinterpret_cast<const unsigned char *>(message.data()),
                       size_t(message.size()), nullptr, 0);
    std::array<unsigned char, crypto_sign_BYTES> signature{};
    crypto_sign_detached(signature.data(), nullptr, hash.data(), hash.size(), key.secretKey.data());

    const QByteArray signedComment =
        bytesOf(signature.data(), signature.size()) + trustedComment.toByteArray();
    std::array<unsigned char, crypto_sign_BYTES> global{};
    crypto_sign_detached(global.data(), nullptr,
                         reinterpret_cast<const unsigned char *>(signedComment.constData()),
                         size_t(signedComment.size()), key.secretKey.data());

    return "untrusted comment: signature from minisign secret key\n" +
           (QByteArray("ED") + bytesOf(key.keyId.data(), key.keyId.size()) +
            bytesOf(signature.data(), signature.size()))
               .toBase64() +
           "\ntrusted comment: " + trustedComment.toByteArray() + "\n" +
           bytesOf(global.data(), global.size()).toBase64() + "\n";
}
