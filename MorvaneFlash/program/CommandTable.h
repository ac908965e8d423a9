#pragma once

#include "frame/CommandDeclaration.h"

#include <QList>
#include <QString>

// Every subcommand, in the order --help lists them.
const QList<CommandDeclaration> &commandTable();

// The command called `name`; null when there is none.
const CommandDeclaration *findCommand(const QString &name);
