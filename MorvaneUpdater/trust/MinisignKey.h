#pragma once

#include <QByteArray>
#include <QList>
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

struct ParsedMinisignPublicKeys
{
    QList<MinisignPublicKey> keys; // in the order given, each once
    QString error;                 // set when there are none
};

// Several keys, as a build lists its active and standby keys: key lines separated by blanks
// or line ends, or whole .pub files one after the other, their comment lines ignored. Two
// keys with one key id are refused: the id is what chooses the key a signature is checked by.
ParsedMinisignPublicKeys parseMinisignPublicKeys(QStringView text);
