#pragma once

#include "frame/CommandDeclaration.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QUrl>

// One parser for all commands: which of its options a command takes is checked afterwards,
// so that a misplaced option gets a message of its own rather than the parser's.
void setUpParser(QCommandLineParser &parser, const QUrl &listURL);

// "--wait=2.5" as "--wait --wait-seconds 2.5", so that --wait alone still takes no value:
// the parser's options take a value always or never.
QStringList withWaitSeconds(const QStringList &arguments);

// The parsed command line read by `command`, whose arguments (after its name) are given, with
// the build's catalogue at `listURL`. The checks come in the order the messages promise: the
// command's options and argument count before any option's value, --catalogue and --bundle
// before the command's own, and the rules between them last. The first problem found, or the
// command's run.
CommandRun readCommandLine(const CommandDeclaration &command, const QCommandLineParser &parser,
                           const QStringList &arguments, const QUrl &listURL);
