#pragma once

#include "frame/Environment.h"

#include <QJsonObject>
#include <QString>

// `morvane-flash --version`: the program's version, the catalogue it reads unless told
// otherwise, and the key that list must be signed with.
QString versionText(const Environment &environment);

// The same as one JSON object: version, catalogue, and keys (each id with its role, "active"
// or "standby"), with keyError when the built-in key is unusable.
QJsonObject versionJson(const Environment &environment);
