#pragma once

#include "frame/CommandDeclaration.h"

#include <QString>
#include <QStringList>
#include <QUrl>

// sign's --expires when none is given: a month, so that a list held back from its
// successors stops being taken soon, with time to sign the next one.
inline constexpr int defaultExpiresDays = 30;

// sign FILE: fills in a list's digests and signs it with minisign. It reads no bundle; the
// catalogue's address (the build's, or --catalogue) is where the list it follows is published.
struct SignOptions
{
    // The list file.
    QStringList arguments;
    QUrl listURL;
    // The minisign secret key, and how many days the signed list stays acceptable.
    QString secretKey;
    int expiresDays = defaultExpiresDays;
    QString publicKey;
    // The folder that mirrors the server (--root); empty: the parent of the list's folder.
    QString root;
    // One JSON object on standard output at the end, whatever the outcome.
    bool json = false;
};

CommandDeclaration signCommand();
int runSign(const SignOptions &options, Environment &environment, Console &console);
