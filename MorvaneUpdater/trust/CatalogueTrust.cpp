#include "trust/CatalogueTrust.h"

#include "trust/ImageDigest.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CatalogueTrust)
};

constexpr qsizetype shownDigestLength = 80;

QString shownDigest(const QString &digest)
{
    return digest.size() <= shownDigestLength ? digest
                                              : digest.left(shownDigestLength) + QChar(0x2026);
}

} // namespace

CatalogueTrust catalogueTrustFromKey(const QString &keyText)
{
    if (keyText.trimmed().isEmpty()) {
        return {};
    }
    ParsedMinisignPublicKeys parsed = parseMinisignPublicKeys(keyText);
    if (parsed.keys.isEmpty()) {
        return {true,
                {},
                Texts::tr("The built-in catalogue key is unusable. %1").arg(parsed.error),
                parsed.error};
    }
    return {true, std::move(parsed.keys), QString()};
}

std::optional<QString> flashRefusal(const FirmwareItem &item, bool keyBuiltIn)
{
    switch (parseImageDigest(item.digest).state) {
    case ImageDigest::State::valid:
        return std::nullopt;
    case ImageDigest::State::malformed:
        return Texts::tr("The catalogue's image digest for this version is malformed "
                         "(\u201C%1\u201D); it must be sha256: followed by 64 hexadecimal "
                         "digits.")
            .arg(shownDigest(item.digest));
    case ImageDigest::State::absent:
        break;
    }
    if (keyBuiltIn) {
        return Texts::tr("The signed catalogue gives no image digest for this version, so "
                         "its image cannot be checked.");
    }
    return std::nullopt;
}

std::optional<QString> notesRefusal(const FirmwareItem &item, bool keyBuiltIn, QByteArrayView notes)
{
    const ImageDigest expected = parseImageDigest(item.notesDigest);
    switch (expected.state) {
    case ImageDigest::State::valid: {
        const QByteArray received = sha256Of(notes);
        if (received == expected.sha256) {
            return std::nullopt;
        }
        return Texts::tr("The release notes do not match the catalogue's digest (%1).")
            .arg(digestMismatchText(expected.sha256, received));
    }
    case ImageDigest::State::malformed:
        return Texts::tr("The catalogue's digest for these release notes is malformed "
                         "(\u201C%1\u201D).")
            .arg(shownDigest(item.notesDigest));
    case ImageDigest::State::absent:
        break;
    }
    if (keyBuiltIn) {
        return Texts::tr("The signed catalogue gives no digest for these release notes, so "
                         "they cannot be checked.");
    }
    return std::nullopt;
}
