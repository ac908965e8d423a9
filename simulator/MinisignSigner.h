#pragma once

#include "trust/MinisignSecretKey.h"

#include <QByteArray>
#include <QByteArrayView>

// The publisher's side of minisign, for the demo and the benchmarks: fresh secret keys and
// pre-hashed signatures in minisign's own file formats. The updater itself never signs.

// A fresh key pair with a random key id; throws std::runtime_error when libsodium cannot work
// on this machine.
MinisignSecretKey generateMinisignSecretKey();

// A .minisig file for `message`, as `minisign -S` writes it.
QByteArray minisignSign(QByteArrayView message, const MinisignSecretKey &key,
                        QByteArrayView trustedComment);
