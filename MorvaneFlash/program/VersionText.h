#pragma once

#include "frame/Environment.h"

#include <QString>

// `morvane-flash --version`: the program's version, the catalogue it reads unless told
// otherwise, and the key that list must be signed with.
QString versionText(const Environment &environment);
