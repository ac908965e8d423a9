#pragma once

#include "trust/MinisignKey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

// A .minisig file: an untrusted comment, the signature line, the trusted comment and the
// global signature over the signature and the trusted comment.
struct MinisignSignature
{
    // "ED": the signature covers the BLAKE2b-512 hash of the file (minisign's default);
    // "Ed": it covers the file itself (`minisign -l`, and releases before 0.8).
    bool prehashed = true;
    MinisignKeyId keyId{};
    std::array<unsigned char, 64> signature{};
    QByteArray trustedComment; // the text after "trusted comment: "
    std::array<unsigned char, 64> globalSignature{};
};

struct ParsedMinisignSignature
{
    std::optional<MinisignSignature> signature;
    QString error; // set when there is no signature
};

// Reads the file as minisign does: LF or CR LF line ends, lines after the fourth ignored.
ParsedMinisignSignature parseMinisignSignature(QByteArrayView body);
