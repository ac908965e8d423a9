#pragma once

#include "FirmwareItem.h"

#include <QList>
#include <QString>
#include <QStringList>

// Splits at LF, VT, FF, CR, NEL, U+2028 and U+2029 (CR LF counts as one line end) and
// drops empty lines.
QStringList splitCatalogueLines(const QString &text);

// Parses the decoded list file. Never fails: lines that are not records are skipped.
QList<FirmwareItem> parseFirmwareList(const QString &text);
