#include "trust/MinisignVerification.h"

#include "trust/Sodium.h"

#include <QByteArray>
#include <sodium.h>

std::optional<QString> minisignVerificationProblem(QByteArrayView message,
                                                   const MinisignSignature &signature,
                                                   const MinisignPublicKey &key)
{
    if (!sodiumReady()) {
        return QStringLiteral("The signature cannot be checked: libsodium failed to start.");
    }
    if (signature.keyId != key.keyId) {
        return QStringLiteral("The signature was made with another key (key ID %1, expected %2).")
            .arg(minisignKeyIdText(signature.keyId), minisignKeyIdText(key.keyId));
    }

    const auto *bytes = reinterpret_cast<const unsigned char *>(message.data());
    unsigned long long length = message.size();
    std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
    if (signature.prehashed) {
        crypto_generichash(hash.data(), hash.size(), bytes, length, nullptr, 0);
        bytes = hash.data();
        length = hash.size();
    }
    if (crypto_sign_verify_detached(signature.signature.data(), bytes, length, key.key.data()) !=
        0) {
        return QStringLiteral("The signature does not match the signed file.");
    }

    QByteArray signedComment(reinterpret_cast<const char *>(signature.signature.data()),
                             qsizetype(signature.signature.size()));
    signedComment += signature.trustedComment;
    if (crypto_sign_verify_detached(signature.globalSignature.data(),
                                    reinterpret_cast<const unsigned char *>(signedComment.data()),
                                    size_t(signedComment.size()), key.key.data()) != 0) {
        return QStringLiteral("The trusted comment of the signature has been altered.");
    }
    return std::nullopt;
}
