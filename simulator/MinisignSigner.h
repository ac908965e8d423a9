#pragma once

#include "trust/MinisignKey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

// The publisher's side of minisign, for the demo and the benchmarks: a secret key and
// pre-hashed signatures in minisign's own file formats. The updater itself never signs.
struct MinisignSecretKey
{
    MinisignKeyId keyId{};
    std::array<unsigned char, 64> secretKey{}; // libsodium's form: seed, then public key

    MinisignPublicKey publicKey() const;
};

// A secret key file written by `minisign -G -W` (not password-protected); nothing for any
// other text.
std::optional<MinisignSecretKey> parseMinisignSecretKey(QByteArrayView file);

// A fresh key pair with a random key id; throws std::runtime_error when libsodium cannot work
// on this machine.
MinisignSecretKey generateMinisignSecretKey();

// A .minisig file for `message`, as `minisign -S` writes it.
QByteArray minisignSign(QByteArrayView message, const MinisignSecretKey &key,
                        QByteArrayView trustedComment);
