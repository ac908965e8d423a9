#pragma once

#include "catalogue/CatalogueUrl.h"

#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <QUrl>
#include <cstddef>
#include <functional>

// What field 8 of a list line starts with when it names the image's digest.
inline constexpr QStringView digestPrefix = u"sha256:";

// One catalogue entry: one firmware version of one product model.
// A plain value; all validation happens in parseFirmwareList.
struct FirmwareItem
{
    QString product;
    QString vid;
    QString pid;
    QString version;
    QString copyright;
    CatalogueUrl firmwareURL;
    CatalogueUrl notesURL;
    // Field 8 as written when it starts with "sha256:", well-formed or not; empty otherwise.
    // Whether it is usable is parseImageDigest's business (trust/ImageDigest.h).
    QString digest = {};
    // Field 9, the same for the release-notes text.
    QString notesDigest = {};
};

// Records move as they are when a list grows.
Q_DECLARE_TYPEINFO(FirmwareItem, Q_RELOCATABLE_TYPE);

// Text fields compare under canonical equivalence (their NFC forms); URLs and the digest by
// their text.
bool operator==(const FirmwareItem &lhs, const FirmwareItem &rhs);
inline bool operator!=(const FirmwareItem &lhs, const FirmwareItem &rhs)
{
    return !(lhs == rhs);
}

// Consistent with operator==: canonically equivalent texts hash alike.
size_t qHash(const FirmwareItem &item, size_t seed = 0) noexcept;

template <> struct std::hash<FirmwareItem>
{
    size_t operator()(const FirmwareItem &item) const noexcept { return qHash(item); }
};
