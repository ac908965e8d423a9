#pragma once

#include "catalogue/FirmwareItem.h"
#include "trust/MinisignKey.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// The catalogue key fixed at build time, as the key line of a minisign .pub file. No key:
// catalogues are taken unsigned, as they always were. A key: the list file must carry its
// signature and every flashed image must be bound to it by a digest.
struct CatalogueTrust
{
    bool keyBuiltIn = false;
    std::optional<MinisignPublicKey> key; // when built in and readable
    QString keyError;                     // when built in and unreadable: nothing is trusted
};

// Blank text means no key.
CatalogueTrust catalogueTrustFromKey(const QString &keyText);

// Why `item` must not be flashed, decided before anything is downloaded: a malformed
// digest, or no digest while a key is built in. Nothing when it may be.
std::optional<QString> flashRefusal(const FirmwareItem &item, bool keyBuiltIn);

// Why the release notes downloaded for `item` must not be shown: they do not match the
// record's notes digest, it is malformed, or there is none while a key is built in.
std::optional<QString> notesRefusal(const FirmwareItem &item, bool keyBuiltIn,
                                    QByteArrayView notes);
