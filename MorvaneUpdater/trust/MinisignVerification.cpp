#include "trust/MinisignVerification.h"

#include "trust/Sodium.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <sodium.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MinisignVerification)
};

} // namespace

std::optional<QString> minisignVerificationProblem(QByteArrayView message,
                                                   const MinisignSignature &signature,
                                                   const QList<MinisignPublicKey> &keys)
{
    if (!sodiumReady()) {
        return Texts::tr("The signature cannot be checked: libsodium failed to start.");
    }
    const auto found = std::find_if(keys.cbegin(), keys.cend(), [&](const MinisignPublicKey &k) {
        return k.keyId == signature.keyId;
    });
    if (found == keys.cend()) {
        QString trusted;
        for (const MinisignPublicKey &k : keys) {
            trusted = trusted.isEmpty()
                          ? minisignKeyIdText(k.keyId)
                          : Texts::tr("%1 or %2").arg(trusted, minisignKeyIdText(k.keyId));
        }
        return Texts::tr("The signature was made with another key (key ID %1, expected %2). "
                         "If the publisher has moved to a new key, a newer release of the "
                         "updater, which trusts it, may be needed.")
            .arg(minisignKeyIdText(signature.keyId), trusted);
    }
    const MinisignPublicKey &key = *found;

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
        return Texts::tr("The signature does not match the signed file.");
    }

    QByteArray signedComment(reinterpret_cast<const char *>(signature.signature.data()),
                             qsizetype(signature.signature.size()));
    signedComment += signature.trustedComment;
    if (crypto_sign_verify_detached(signature.globalSignature.data(),
                                    reinterpret_cast<const unsigned char *>(signedComment.data()),
                                    size_t(signedComment.size()), key.key.data()) != 0) {
        return Texts::tr("The trusted comment of the signature has been altered.");
    }
    return std::nullopt;
}
