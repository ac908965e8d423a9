#pragma once

#include "frame/CommandDeclaration.h"

// list: the models and their versions, in the catalogue's order.
struct ListOptions : CommonOptions
{
    bool json = false;
};

CommandDeclaration listCommand();
int runList(const ListOptions &options, Environment &environment, Console &console);
