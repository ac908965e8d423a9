#pragma once

#include "catalogue/FirmwareItem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// A digest binds an image to the catalogue: digestPrefix and 64 hexadecimal digits in
// either letter case.
struct ImageDigest
{
    enum class State
    {
        absent,    // the record names no digest
        valid,     // `sha256` holds the 32 bytes
        malformed, // the record claims a digest that cannot be read: never silently ignored
    };

    State state = State::absent;
    QByteArray sha256;
};

// Reads FirmwareItem::digest: empty gives absent; otherwise valid or malformed.
ImageDigest parseImageDigest(QStringView text);

// The 32-byte SHA-256 of `data`.
QByteArray sha256Of(QByteArrayView data);

// "expected …, received …": each "sha256:" with its first and last eight digits, or whole
// where those are the same in both, so that two digests shown are always seen to differ.
// Nothing expected: "a malformed digest".
QString digestMismatchText(const std::optional<QByteArray> &expected, const QByteArray &received);

// Why `image` may not be used under `expected`: nothing when it matches or no digest is
// expected. A mismatch names the expected and received digests, shortened. A malformed
// digest is refused before any download (flashRefusal), so here it is a mismatch too.
std::optional<QString> imageDigestMismatch(const ImageDigest &expected, QByteArrayView image);
