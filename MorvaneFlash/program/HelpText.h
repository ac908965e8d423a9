#pragma once

#include "frame/CommandDeclaration.h"

#include <QString>
#include <QUrl>

// `morvane-flash --help`: the commands with their usage lines, the options, and the exit
// statuses.
QString programHelpText(const QUrl &listURL);

// `COMMAND --help`: its usage lines and the options it takes.
QString commandHelpText(const CommandDeclaration &command, const QUrl &listURL);
