#pragma once

#include "catalogue/FirmwareItem.h"
#include "trust/MinisignKey.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// The catalogue keys fixed at build time: the active key and up to two standby keys, so that
// a publisher can move to a new key without shutting out the copies already installed. No
// key: catalogues are taken unsigned, as they always were. Keys: the list file must carry a
// signature by one of them and every flashed image must be bound to it by a digest.
struct CatalogueTrust
{
    bool keyBuiltIn = false;
    // The active key first; empty when none is built in or the text is unusable.
    QList<MinisignPublicKey> keys;
    QString keyError; // when built in and unusable: nothing is trusted
    // Why the text gives no key, as parseMinisignPublicKeys says it.
    QString keyProblem = {};
};

// The keys as parseMinisignPublicKeys reads them, the active one first. Blank text means none.
CatalogueTrust catalogueTrustFromKey(const QString &keyText);

// Why `item` must not be flashed, decided before anything is downloaded: a malformed
// digest, or no digest while a key is built in. Nothing when it may be.
std::optional<QString> flashRefusal(const FirmwareItem &item, bool keyBuiltIn);

// Why the release notes downloaded for `item` must not be shown: they do not match the
// record's notes digest, it is malformed, or there is none while a key is built in.
std::optional<QString> notesRefusal(const FirmwareItem &item, bool keyBuiltIn,
                                    QByteArrayView notes);
