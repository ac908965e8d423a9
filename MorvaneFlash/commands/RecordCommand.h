#pragma once

#include "frame/CommandDeclaration.h"

// record: the newest catalogue signing time taken on this computer, per catalogue address, the
// floor below which no list is taken; with --forget, removes one catalogue's record, the way
// back that a person chooses when a list taken should not have been.
struct RecordOptions : CommonOptions
{
    bool json = false;
    bool forget = false;
    // Forgets without asking: for scripts, and wherever standard input is no terminal.
    bool yes = false;
};

CommandDeclaration recordCommand();
int runRecord(const RecordOptions &options, Environment &environment, Console &console);
