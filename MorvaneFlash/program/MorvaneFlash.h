#pragma once

#include "frame/Environment.h"

#include <QStringList>

// The whole command line: `arguments` as QCoreApplication::arguments() gives them, the
// program name first. Returns the exit status. Needs a QCoreApplication.
int runMorvaneFlash(const QStringList &arguments, Environment &environment);
