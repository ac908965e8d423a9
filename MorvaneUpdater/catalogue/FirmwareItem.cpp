#include "catalogue/FirmwareItem.h"

#include "catalogue/UnicodeText.h"

#include <QByteArray>

bool operator==(const FirmwareItem &lhs, const FirmwareItem &rhs)
{
    // Field order matters only for speed: the first difference ends the comparison.
    return canonicallyEqual(lhs.product, rhs.product) && canonicallyEqual(lhs.vid, rhs.vid) &&
           canonicallyEqual(lhs.pid, rhs.pid) && canonicallyEqual(lhs.version, rhs.version) &&
           canonicallyEqual(lhs.copyright, rhs.copyright) &&
           lhs.firmwareURL.toEncoded() == rhs.firmwareURL.toEncoded() &&
           lhs.notesURL.toEncoded() == rhs.notesURL.toEncoded() && lhs.digest == rhs.digest &&
           lhs.notesDigest == rhs.notesDigest;
}

size_t qHash(const FirmwareItem &item, size_t seed) noexcept
{
    // Texts are hashed in NFC so that canonically equivalent records hash alike.
    return qHashMulti(seed, canonicalForm(item.product), canonicalForm(item.vid),
                      canonicalForm(item.pid), canonicalForm(item.version),
                      canonicalForm(item.copyright), item.firmwareURL.toEncoded(),
                      item.notesURL.toEncoded(), item.digest, item.notesDigest);
}
