// Field 8 of a list line, the image digest: any text is absent, valid or malformed, a valid
// one is canonical, and an image passes only under the digest of its own bytes.
#include "FuzzCheck.h"
#include "trust/ImageDigest.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    const ImageDigest digest = parseImageDigest(text);
    const ImageDigest again = parseImageDigest(text);
    FUZZ_CHECK(digest.state == again.state && digest.sha256 == again.sha256);
    switch (digest.state) {
    case ImageDigest::State::absent:
        FUZZ_CHECK(text.isEmpty());
        FUZZ_CHECK(!imageDigestMismatch(digest, bytes));
        break;
    case ImageDigest::State::valid:
        FUZZ_CHECK(digest.sha256.size() == 32);
        FUZZ_CHECK(text.size() == digestPrefix.size() + 64 && text.startsWith(digestPrefix));
        FUZZ_CHECK(text.sliced(digestPrefix.size()).toLower() ==
                   QString::fromLatin1(digest.sha256.toHex()));
        break;
    case ImageDigest::State::malformed:
        FUZZ_CHECK(!text.isEmpty() && digest.sha256.isEmpty());
        FUZZ_CHECK(imageDigestMismatch(digest, bytes));
        break;
    }

    // The input as an image: it passes under its own digest, in either letter case, and
    // under nothing else.
    const QByteArray hex = sha256Of(bytes).toHex();
    const QByteArray digits = size % 2 == 0 ? hex : hex.toUpper();
    const ImageDigest own = parseImageDigest(digestPrefix.toString() + QString::fromLatin1(digits));
    FUZZ_CHECK(own.state == ImageDigest::State::valid && own.sha256 == sha256Of(bytes));
    FUZZ_CHECK(!imageDigestMismatch(own, bytes));
    FUZZ_CHECK(imageDigestMismatch(own, bytes + '\0'));
    if (digest.state == ImageDigest::State::valid && digest.sha256 != own.sha256) {
        FUZZ_CHECK(imageDigestMismatch(digest, bytes));
    }
    return 0;
}
