#pragma once

#include "frame/Console.h"
#include "frame/Environment.h"
#include "frame/Invocation.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A command's line in the list that --help shows.
struct UsageLine
{
    const char *form = nullptr;
    // Its lines are separated by '\n'.
    const char *explanation = nullptr;
};

// One subcommand: what its command line may hold, how --help lists it, and what runs it.
struct Command
{
    const char *name = nullptr;
    // The options it takes besides the global ones (globalOptionNames); --help never reaches a
    // command.
    QStringList options = {};
    qsizetype minArguments = 0;
    qsizetype maxArguments = 0;
    QList<UsageLine> usage = {};
    int (*run)(const Invocation &, Environment &, Console &) = nullptr;
    // Rules that tie options and arguments together, checked once each option has been read;
    // nothing when the command line keeps them.
    std::optional<QString> (*usageProblem)(const Invocation &) = nullptr;
};

// Every subcommand, in the order --help lists them.
const QList<Command> &commandTable();

// The command called `name`; null when there is none.
const Command *findCommand(const QString &name);
