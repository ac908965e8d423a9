#pragma once

#include <QHashFunctions>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <functional>

// One catalogue entry: one firmware version of one product model.
// A plain value; all validation happens in parseFirmwareList.
struct FirmwareItem
{
    QString product;
    QString vid;
    QString pid;
    QString version;
    QString copyright;
    QUrl firmwareURL;
    QUrl notesURL;
    // Field 8 as written when it starts with "sha256:", well-formed or not; empty otherwise.
    // Whether it is usable is parseImageDigest's business (ImageDigest.h).
    QString digest = {};
};

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
