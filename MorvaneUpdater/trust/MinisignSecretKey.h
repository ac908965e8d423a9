#pragma once

#include "trust/MinisignKey.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <optional>

// A minisign secret key as `minisign -G -W` writes it (not password-protected): the key id and
// libsodium's secret key, its seed then its public key.
struct MinisignSecretKey
{
    MinisignKeyId keyId{};
    std::array<unsigned char, 64> secretKey{};

    MinisignPublicKey publicKey() const;
};

struct ParsedMinisignSecretKey
{
    std::optional<MinisignSecretKey> key; // when the file is a key that needs no password
    // A key file sealed with a password: only minisign, given the password, can use it.
    bool passwordProtected = false;
    QString error; // set when the file is no minisign secret key at all
};

ParsedMinisignSecretKey parseMinisignSecretKey(QByteArrayView file);
