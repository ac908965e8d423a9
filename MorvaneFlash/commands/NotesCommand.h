#pragma once

#include "frame/CommandDeclaration.h"

// notes MODEL VERSION: the release notes of a version.
struct NotesOptions : CommonOptions
{
    bool json = false;
};

CommandDeclaration notesCommand();
int runNotes(const NotesOptions &options, Environment &environment, Console &console);
