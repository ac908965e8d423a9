#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// minisign's key id: eight bytes stored little-endian, shown as an upper-case hexadecimal
// number without leading zeros, as `minisign` itself prints it in its comment lines.
using MinisignKeyId = std::array<unsigned char, 8>;
QString minisignKeyIdText(const MinisignKeyId &keyId);

// An Ed25519 public key as minisign writes it: base64 of "Ed", the key id and the key.
struct MinisignPublicKey
{
    MinisignKeyId keyId{};
    std::array<unsigned char, 32> key{};
};

struct ParsedMinisignPublicKey
{
    std::optional<MinisignPublicKey> key;
    QString error; // set when there is no key
};

// Takes the key as users paste it: the key line alone, or the whole .pub file (its
// "untrusted comment:" line, then the key line). Blanks and line ends around lines are
// ignored.
ParsedMinisignPublicKey parseMinisignPublicKey(QStringView text);
