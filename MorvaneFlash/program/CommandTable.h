#pragma once

#include "frame/CommandDeclaration.h"

#include <QList>
#include <QString>
#include <optional>

// Every subcommand, in the order --help lists them. Made anew each time, in the language the
// program speaks by then: their help texts are translated as they are declared.
QList<CommandDeclaration> commandTable();

// The command called `name`; nothing when there is none.
std::optional<CommandDeclaration> findCommand(const QString &name);
