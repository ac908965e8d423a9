#include "trust/ImageDigest.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ImageDigest)
};

constexpr qsizetype sha256Size = 32;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

} // namespace

ImageDigest parseImageDigest(QStringView text)
{
    if (text.isEmpty()) {
        return {};
    }
    const ImageDigest malformed{ImageDigest::State::malformed, {}};
    if (!text.startsWith(digestPrefix) || text.size() != digestPrefix.size() + 2 * sha256Size) {
        return malformed;
    }
    QByteArray bytes(sha256Size, '\0');
    for (qsizetype i = 0; i < sha256Size; ++i) {
        const int high = hexValue(text[digestPrefix.size() + 2 * i]);
        const int low = hexValue(text[digestPrefix.size() + 2 * i + 1]);
        if (high < 0 || low < 0) {
            return malformed;
        }
        bytes[i] = char(high * 16 + low);
    }
    return {ImageDigest::State::valid, bytes};
}

QByteArray sha256Of(QByteArrayView data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

QString digestMismatchText(const std::optional<QByteArray> &expected, const QByteArray &received)
{
    const QString receivedHex = QString::fromLatin1(received.toHex());
    const QString expectedHex = expected ? QString::fromLatin1(expected->toHex()) : QString();
    const auto shortened = [](const QString &hex) {
        return hex.left(8) + QChar(0x2026) + hex.right(8);
    };
    const bool whole = expected && shortened(expectedHex) == shortened(receivedHex);
    const auto shown = [&](const QString &hex) {
        return digestPrefix.toString() + (whole ? hex : shortened(hex));
    };
    if (!expected) {
        return Texts::tr("expected a malformed digest, received %1").arg(shown(receivedHex));
    }
    return Texts::tr("expected %1, received %2").arg(shown(expectedHex), shown(receivedHex));
}

std::optional<QString> imageDigestMismatch(const ImageDigest &expected, QByteArrayView image)
{
    if (expected.state == ImageDigest::State::absent) {
        return std::nullopt;
    }
    const QByteArray received = sha256Of(image);
    if (expected.state == ImageDigest::State::valid && received == expected.sha256) {
        return std::nullopt;
    }
    return Texts::tr("The image does not match the catalogue's digest (%1); it was neither "
                     "saved nor flashed.")
        .arg(digestMismatchText(expected.state == ImageDigest::State::valid
                                    ? std::optional<QByteArray>(expected.sha256)
                                    : std::nullopt,
                                received));
}
