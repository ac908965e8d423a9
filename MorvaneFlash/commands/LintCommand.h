#pragma once

#include "frame/CommandDeclaration.h"

#include <QString>

// lint [FILE|URL]: checks a list file for its publisher; with --bundle, the bundle's own.
struct LintOptions : CommonOptions
{
    // Also downloads every notes text and image and checks them.
    bool fetch = false;
    QString publicKey;
    bool json = false;
    // --catalogue names where a list file is published, which it may not predate.
    bool catalogueGiven = false;
};

CommandDeclaration lintCommand();
int runLint(const LintOptions &options, Environment &environment, Console &console);
