#pragma once

#include "program/CommandTable.h"

#include <QCommandLineParser>
#include <QString>
#include <QUrl>

// What the parser shows above its list of options: the commands with their usage lines.
QString programDescription();

// The commands' names as the parser's summary of its COMMAND argument: "list, ... or lint."
QString commandNames();

// `morvane-flash --help`: the parser's help, under the installed program's name, and the exit
// statuses.
QString programHelpText(const QCommandLineParser &parser);

// `COMMAND --help`: its usage lines and the options it takes.
QString commandHelpText(const CommandDeclaration &command, const QUrl &listURL);
