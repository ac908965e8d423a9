#pragma once

#include "catalogue/FirmwareItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <variant>

// Splits at LF, VT, FF, CR, NEL, U+2028 and U+2029 (CR LF counts as one line end) and
// drops empty lines.
QStringList splitCatalogueLines(const QString &text);

// A URL field as written: an absolute URL or a well-formed relative reference, never
// resolved against anything. Nothing for the empty text or an invalid reference.
std::optional<QUrl> parseCatalogueUrl(const QString &text);

// Why a line yields no record.
enum class LineRejection
{
    tooFewFields,
    invalidFirmwareURL,
    invalidNotesURL,
};

// The record one line (as splitCatalogueLines gives it) yields, or why it yields none.
std::variant<FirmwareItem, LineRejection> parseFirmwareLine(QStringView line);

// Parses the decoded list file. Never fails: lines that are not records are skipped. Fields 8
// and 9 are kept as the image's and the notes' digests when they start with "sha256:"; later
// fields are ignored. `skipped`, when given, counts the lines that were not records.
QList<FirmwareItem> parseFirmwareList(const QString &text, qsizetype *skipped = nullptr);
