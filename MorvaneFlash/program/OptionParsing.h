#pragma once

#include "frame/Invocation.h"
#include "program/CommandTable.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// One parser for all commands: which of its options a command takes is checked afterwards,
// so that a misplaced option gets a message of its own rather than the parser's.
void setUpParser(QCommandLineParser &parser, const QUrl &listURL);

// "--wait=2.5" as "--wait --wait-seconds 2.5", so that --wait alone still takes no value:
// the parser's options take a value always or never.
QStringList withWaitSeconds(const QStringList &arguments);

// Reads the parsed options into `invocation`, whose command and arguments are set. The checks
// come in the order the messages promise: a command's options and argument count before any
// option's value, and the rules between them last. Returns the first problem found.
std::optional<QString> commandLineProblem(const Command &command, const QCommandLineParser &parser,
                                          Invocation &invocation);
