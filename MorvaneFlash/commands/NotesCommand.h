#pragma once

#include "frame/CommandDeclaration.h"

// notes MODEL VERSION: the release notes of a version.
struct NotesOptions : CommonOptions
{
};

CommandDeclaration notesCommand();
int runNotes(const NotesOptions &options, Environment &environment, Console &console);
