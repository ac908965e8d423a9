#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QUrl>

// Every option of every command, in the order --help lists them, with the explanation that
// names `listURL` as --catalogue's default. The command table names which command takes which.
QList<QCommandLineOption> programOptions(const QUrl &listURL);

// The options every command takes, as it reads the catalogue: --catalogue and --bundle.
const QStringList &globalOptionNames();
