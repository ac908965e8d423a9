#pragma once

#include "frame/Console.h"
#include "frame/Environment.h"
#include "frame/Invocation.h"

// The subcommands; each returns its exit status.
int runList(const Invocation &invocation, Environment &environment, Console &console);
int runNotes(const Invocation &invocation, Environment &environment, Console &console);
int runDevices(const Invocation &invocation, Environment &environment, Console &console);
int runFlash(const Invocation &invocation, Environment &environment, Console &console);
int runBundle(const Invocation &invocation, Environment &environment, Console &console);
int runLint(const Invocation &invocation, Environment &environment, Console &console);
int runSign(const Invocation &invocation, Environment &environment, Console &console);
int runDoctor(const Invocation &invocation, Environment &environment, Console &console);
