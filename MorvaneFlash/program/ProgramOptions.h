#pragma once

#include "frame/CommandDeclaration.h"

#include <QCommandLineOption>
#include <QList>
#include <QStringList>
#include <QUrl>

// The program's own options, which every command takes: --help, --version, and (for the
// commands that read a catalogue) --catalogue, whose explanation names `listURL` as its
// default, and --bundle.
QList<OptionDeclaration> globalOptions(const QUrl &listURL);

// --catalogue and --bundle: where the catalogue is read from.
const QStringList &sourceOptionNames();

// Every option of every command, each once, in an order that keeps each command's own: the
// order in which --help lists them.
QList<OptionDeclaration> commandOptions();

// An option as the parser takes it.
QCommandLineOption parserOption(const OptionDeclaration &option);
