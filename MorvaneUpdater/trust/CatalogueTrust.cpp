#include "trust/CatalogueTrust.h"

#include "trust/ImageDigest.h"

namespace {
constexpr qsizetype shownDigestLength = 80;
}

CatalogueTrust catalogueTrustFromKey(const QString &keyText)
{
    if (keyText.trimmed().isEmpty()) {
        return {};
    }
    ParsedMinisignPublicKey parsed = parseMinisignPublicKey(keyText);
    if (!parsed.key) {
        return {true, std::nullopt,
                QStringLiteral("The built-in catalogue key is unusable. ") + parsed.error};
    }
    return {true, parsed.key, QString()};
}

std::optional<QString> flashRefusal(const FirmwareItem &item, bool keyBuiltIn)
{
    switch (parseImageDigest(item.digest).state) {
    case ImageDigest::State::valid:
        return std::nullopt;
    case ImageDigest::State::malformed: {
        const QString shown = item.digest.size() <= shownDigestLength
                                  ? item.digest
                                  : item.digest.left(shownDigestLength) + QChar(0x2026);
        return QStringLiteral("The catalogue's image digest for this version is malformed "
                              "(\u201C%1\u201D); it must be sha256: followed by 64 hexadecimal "
                              "digits.")
            .arg(shown);
    }
    case ImageDigest::State::absent:
        break;
    }
    if (keyBuiltIn) {
        return QStringLiteral("The signed catalogue gives no image digest for this version, so "
                              "its image cannot be checked.");
    }
    return std::nullopt;
}
