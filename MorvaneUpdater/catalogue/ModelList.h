#pragma once

#include "catalogue/FirmwareItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The model list hides the maker word: every "MORVANE " is removed, case-sensitively.
QString displayProductName(const QString &product);

// Model names compare as FirmwareItem texts do: under canonical equivalence.
bool sameProductName(const QString &lhs, const QString &rhs);
