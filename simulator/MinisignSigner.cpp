#include "MinisignSigner.h"

#include "trust/Sodium.h"

#include <sodium.h>
#include <stdexcept>

namespace {

QByteArray bytesOf(const unsigned char *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace

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
