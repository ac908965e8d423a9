#pragma once

#include "frame/CommandDeclaration.h"

// bundle create DIR [MODEL [VERSION]]...: keeps the signed list and the chosen versions' images
// and notes in DIR, for --bundle DIR without a network.
struct BundleOptions : CommonOptions
{
    // One JSON object on standard output at the end, whatever the outcome.
    bool json = false;
};

CommandDeclaration bundleCommand();
int runBundle(const BundleOptions &options, Environment &environment, Console &console);
