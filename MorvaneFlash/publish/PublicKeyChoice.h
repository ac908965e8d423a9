#pragma once

#include "frame/Console.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "trust/MinisignKey.h"

#include <QList>
#include <QString>

struct KeyChoice
{
    QList<MinisignPublicKey> keys;
    int status = exitSuccess;
};

// The key named on the command line (--public-key), as its key line or the path of its .pub
// file, else the ones this build trusts; none when both are blank. A key that cannot be read
// is said, with the usage status.
KeyChoice chooseKey(const QString &publicKeyOption, const CatalogueTrust &build, Console &console);
