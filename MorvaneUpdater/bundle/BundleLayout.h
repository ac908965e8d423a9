#pragma once

#include "catalogue/FirmwareItem.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QUrl>
#include <optional>

// What an offline bundle holds, named here once: the list and its signature as the catalogue's
// server gave them, byte for byte; every image and release-notes text under the hexadecimal
// SHA-256 its list line gives; the address of the catalogue it was made from, which it is read
// as (and whose signing times are kept); and a README for whoever carries it. Nothing in it is
// believed for being there: the list passes the catalogue road as a download does, and every
// file its digest.
inline constexpr QLatin1String bundleListName("MORVANE_LST.txt");
inline constexpr QLatin1String bundleSignatureName("MORVANE_LST.txt.minisig");
inline constexpr QLatin1String bundleAddressName("catalogue-address.txt");
inline constexpr QLatin1String bundleReadmeName("README.txt");

// The name of a file kept by its 32-byte digest: 64 lowercase hexadecimal digits.
QString bundleContentName(const QByteArray &sha256);

// Why `item` cannot be bundled: its line gives no usable digest of its image or of its
// release notes to keep them under. The line names the model and the version.
std::optional<QString> bundleRefusal(const FirmwareItem &item);

// Whether the bundle in `folder` holds both files of `item` (under the digests its line
// gives), so that its version can be flashed from it; they are checked again when read.
bool bundleHoldsFiles(const QString &folder, const FirmwareItem &item);
// Whether it holds the one file a list line gives `digest` for, by the same rule.
bool bundleHoldsFile(const QString &folder, const QString &digest);

// The address file's text for the catalogue at `listURL`.
QByteArray bundleAddressText(const QUrl &listURL);

struct BundleAddress
{
    std::optional<QUrl> listURL;
    // Why there is none, whole: the folder is no bundle, or its address file is unusable.
    QString problem;
};

// The catalogue address that the bundle in `folder` was made from.
BundleAddress readBundleAddress(const QString &folder);
