#pragma once

#include "frame/Console.h"
#include "frame/ExitStatus.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <stop_token>

struct MinisignRun
{
    std::optional<QByteArray> signature;
    // Why there is none, which has been said.
    int status = exitSuccess;
};

// The real minisign program signs `list` (named `listName`, as minisign's untrusted comment
// says) with the secret key file, under `trustedComment`. A key sealed with a password
// (`askPassword`) lets minisign ask for it on the terminal; it is never read here. A stop
// request ends minisign (exitInterrupted), as does its deadline (exitSigningTool).
MinisignRun runMinisign(const QByteArray &list, const QString &listName,
                        const QString &secretKeyPath, const QByteArray &trustedComment,
                        bool askPassword, std::stop_token stop, Console &console);
