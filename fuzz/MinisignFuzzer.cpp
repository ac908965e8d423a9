// minisign's public keys and signature files as the catalogue trust reads them: any bytes
// give a key or a reason, a signature or a reason; what parses is canonical; and a signature
// made here over the input holds for exactly that input, never for a changed one.
#include "CatalogueSignature.h"
#include "FuzzCheck.h"
#include "MinisignBase64.h"
#include "MinisignKey.h"
#include "MinisignSignature.h"
#include "MinisignVerification.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sodium.h>

namespace {

QByteArray base64(QByteArrayView bytes)
{
    return bytes.toByteArray().toBase64();
}

template <std::size_t N> QByteArrayView view(const std::array<unsigned char, N> &bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), qsizetype(N)};
}

QByteArray keyLine(const MinisignPublicKey &key)
{
    return base64("Ed" + view(key.keyId).toByteArray() + view(key.key).toByteArray());
}

QByteArray signatureFile(const MinisignSignature &signature)
{
    return "untrusted comment: signature from the fuzzer\n" +
           base64((signature.prehashed ? "ED" : "Ed") + view(signature.keyId).toByteArray() +
                  view(signature.signature).toByteArray()) +
           "\ntrusted comment: " + signature.trustedComment + "\n" +
           base64(view(signature.globalSignature)) + "\n";
}

// The written forms hold every field, so they compare signatures and keys whole.
bool sameSignature(const MinisignSignature &a, const MinisignSignature &b)
{
    return signatureFile(a) == signatureFile(b);
}

bool sameKey(const MinisignPublicKey &a, const MinisignPublicKey &b)
{
    return keyLine(a) == keyLine(b);
}

struct Signer
{
    MinisignPublicKey publicKey;
    std::array<unsigned char, crypto_sign_SECRETKEYBYTES> secretKey{};

    Signer()
    {
        FUZZ_CHECK(sodium_init() >= 0);
        std::array<unsigned char, crypto_sign_SEEDBYTES> seed{};
        seed.fill(0x42);
        crypto_sign_seed_keypair(publicKey.key.data(), secretKey.data(), seed.data());
        publicKey.keyId = {1, 2, 3, 4, 5, 6, 7, 8};
    }

    // What `minisign -S` (prehashed) or `minisign -S -l` writes for `message`.
    MinisignSignature sign(QByteArrayView message, bool prehashed, const QByteArray &comment)
    {
        MinisignSignature signature;
        signature.prehashed = prehashed;
        signature.keyId = publicKey.keyId;
        signature.trustedComment = comment;
        std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
        const auto *bytes = reinterpret_cast<const unsigned char *>(message.data());
        auto length = static_cast<unsigned long long>(message.size());
        if (prehashed) {
            crypto_generichash(hash.data(), hash.size(), bytes, length, nullptr, 0);
            bytes = hash.data();
            length = hash.size();
        }
        crypto_sign_detached(signature.signature.data(), nullptr, bytes, length, secretKey.data());
        const QByteArray global = view(signature.signature).toByteArray() + comment;
        crypto_sign_detached(signature.globalSignature.data(), nullptr,
                             reinterpret_cast<const unsigned char *>(global.data()),
                             static_cast<unsigned long long>(global.size()), secretKey.data());
        return signature;
    }
};

void checkParsers(const QByteArray &bytes, Signer &signer)
{
    // Base64 is read canonically: what decodes encodes back to the same text.
    if (const std::optional<QByteArray> decoded = decodeMinisignBase64(bytes)) {
        FUZZ_CHECK(base64(*decoded) == bytes);
    }

    const ParsedMinisignSignature parsed = parseMinisignSignature(bytes);
    FUZZ_CHECK(parsed.signature.has_value() == parsed.error.isEmpty());
    const ParsedMinisignSignature again = parseMinisignSignature(bytes);
    FUZZ_CHECK(again.error == parsed.error);
    if (parsed.signature) {
        FUZZ_CHECK(again.signature && sameSignature(*again.signature, *parsed.signature));
        FUZZ_CHECK(!parsed.signature->trustedComment.contains('\n'));
        const ParsedMinisignSignature written =
            parseMinisignSignature(signatureFile(*parsed.signature));
        FUZZ_CHECK(written.signature && sameSignature(*written.signature, *parsed.signature));
        // Nobody but the key's holder can sign: nothing read here verifies under our key.
        FUZZ_CHECK(minisignVerificationProblem(bytes, *parsed.signature, signer.publicKey));
    }

    const QString text = QString::fromUtf8(bytes);
    const ParsedMinisignPublicKey key = parseMinisignPublicKey(text);
    FUZZ_CHECK(key.key.has_value() == key.error.isEmpty());
    if (key.key) {
        const ParsedMinisignPublicKey fromLine =
            parseMinisignPublicKey(QString::fromLatin1(keyLine(*key.key)));
        FUZZ_CHECK(fromLine.key && sameKey(*fromLine.key, *key.key));
        const ParsedMinisignPublicKey fromFile =
            parseMinisignPublicKey(QStringLiteral("untrusted comment: minisign public key\n") +
                                   QString::fromLatin1(keyLine(*key.key)) + QStringLiteral("\r\n"));
        FUZZ_CHECK(fromFile.key && sameKey(*fromFile.key, *key.key));
    }
}

void checkVerification(const QByteArray &message, Signer &signer)
{
    const bool prehashed = message.size() % 2 == 0;
    const QByteArray comment = "timestamp:1710720000\tfile:MORVANE_LST.txt";
    const MinisignSignature signature = signer.sign(message, prehashed, comment);
    const QByteArray file = signatureFile(signature);
    FUZZ_CHECK(!catalogueSignatureProblem(message, file, signer.publicKey));

    // Any change to the message, the trusted comment or the key id is caught.
    QByteArray longer = message;
    longer.append('\0');
    FUZZ_CHECK(catalogueSignatureProblem(longer, file, signer.publicKey));
    if (!message.isEmpty()) {
        QByteArray flipped = message;
        const qsizetype at = qsizetype(qHash(message) % size_t(message.size()));
        flipped[at] = char(flipped[at] ^ (1 << (message.size() % 8)));
        FUZZ_CHECK(catalogueSignatureProblem(flipped, file, signer.publicKey));
        FUZZ_CHECK(catalogueSignatureProblem(message.chopped(1), file, signer.publicKey));
    }
    MinisignSignature altered = signature;
    altered.trustedComment += 'x';
    FUZZ_CHECK(minisignVerificationProblem(message, altered, signer.publicKey));
    altered = signature;
    altered.prehashed = !altered.prehashed;
    FUZZ_CHECK(minisignVerificationProblem(message, altered, signer.publicKey));
    MinisignPublicKey otherId = signer.publicKey;
    otherId.keyId[0] ^= 1;
    FUZZ_CHECK(minisignVerificationProblem(message, signature, otherId));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Signer signer;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkParsers(bytes, signer);
    checkVerification(bytes, signer);
    return 0;
}
