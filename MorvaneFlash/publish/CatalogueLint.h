#pragma once

#include "catalogue/FirmwareItem.h"
#include "update/CatalogueFinding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What a publisher should know about one list file: the lines the updater would skip or
// refuse to flash (errors) and the lines it takes but that are probably wrong (warnings).
using LintFinding = CatalogueFinding;

struct LintedRecord
{
    qsizetype line = 0;
    FirmwareItem item;
};

struct LintReport
{
    QList<LintFinding> findings;
    QList<LintedRecord> records;

    qsizetype count(LintFinding::Severity severity) const;
};

// Every rule that needs nothing but the file's bytes and whether a catalogue key is in use,
// under which a record without a digest is refused too.
LintReport lintCatalogue(const QByteArray &bytes, bool keyInUse);
