#pragma once

#include <QString>

// morvane-flash's completion for bash, zsh and fish, made from the command table at build time:
// the commands, and for each the options it takes with what their values complete with.
QString bashCompletion();
QString zshCompletion();
QString fishCompletion();
