// minisign's public keys and signature files as the catalogue trust reads them: any bytes
// give a key or a reason, a signature or a reason, and what parses is canonical. Whether a
// signature holds is checked against the real program's files in the catalogue tests.
#include "FuzzCheck.h"
#include "trust/MinisignBase64.h"
#include "trust/MinisignKey.h"
#include "trust/MinisignSignature.h"
#include "trust/MinisignVerification.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

QByteArray base64(QByteArrayView bytes)
{
    return bytes.toByteArray().toBase64();
}

template <std::size_t N> QByteArray bytesOf(const std::array<unsigned char, N> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(N));
}

// The written forms hold every field, so they also compare signatures and keys whole.
QByteArray keyLine(const MinisignPublicKey &key)
{
    return base64("Ed" + bytesOf(key.keyId) + bytesOf(key.key));
}

QByteArray signatureFile(const MinisignSignature &signature)
{
    return "untrusted comment: signature from the fuzzer\n" +
           base64((signature.prehashed ? "ED" : "Ed") + bytesOf(signature.keyId) +
                  bytesOf(signature.signature)) +
           "\ntrusted comment: " + signature.trustedComment + "\n" +
           base64(bytesOf(signature.globalSignature)) + "\n";
}

void checkSignature(const QByteArray &bytes)
{
    const ParsedMinisignSignature parsed = parseMinisignSignature(bytes);
    FUZZ_CHECK(parsed.signature.has_value() == parsed.error.isEmpty());
    const ParsedMinisignSignature again = parseMinisignSignature(bytes);
    FUZZ_CHECK(again.error == parsed.error);
    if (!parsed.signature) {
        return;
    }
    const QByteArray written = signatureFile(*parsed.signature);
    FUZZ_CHECK(again.signature && signatureFile(*again.signature) == written);
    FUZZ_CHECK(!parsed.signature->trustedComment.contains('\n'));
    const ParsedMinisignSignature reread = parseMinisignSignature(written);
    FUZZ_CHECK(reread.signature && signatureFile(*reread.signature) == written);

    // Nothing read here is signed by the demo's key, even under the key id it claims, so the
    // check runs through to the signatures themselves.
    static const QString demoKey =
        QStringLiteral("RWRS0J7xSwME431TNXj9owJxgBGy336rQjvBCY7FFG57x4rv8gDWOh71");
    MinisignPublicKey key = *parseMinisignPublicKey(demoKey).key;
    key.keyId = parsed.signature->keyId;
    FUZZ_CHECK(minisignVerificationProblem(bytes, *parsed.signature, {key}));
}

void checkKey(const QString &text)
{
    const ParsedMinisignPublicKey key = parseMinisignPublicKey(text);
    FUZZ_CHECK(key.key.has_value() == key.error.isEmpty());
    if (!key.key) {
        return;
    }
    const QByteArray line = keyLine(*key.key);
    const ParsedMinisignPublicKey fromLine = parseMinisignPublicKey(QString::fromLatin1(line));
    FUZZ_CHECK(fromLine.key && keyLine(*fromLine.key) == line);
    const ParsedMinisignPublicKey fromFile =
        parseMinisignPublicKey(QStringLiteral("untrusted comment: minisign public key\n") +
                               QString::fromLatin1(line) + QStringLiteral("\r\n"));
    FUZZ_CHECK(fromFile.key && keyLine(*fromFile.key) == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Base64 is read canonically: what decodes encodes back to the same text.
    if (const std::optional<QByteArray> decoded = decodeMinisignBase64(bytes)) {
        FUZZ_CHECK(base64(*decoded) == bytes);
    }
    checkSignature(bytes);
    checkKey(QString::fromUtf8(bytes));
    return 0;
}
