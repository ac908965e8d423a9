#pragma once

#include "catalogue/FirmwareItem.h"
#include "update/CatalogueFinding.h"

#include <QList>
#include <QString>
#include <optional>

// What a list signed with the build's key may not hold. Its publisher vouches for every
// line, so a line the updater could only guess about (one it cannot read, an address off the
// web, ids no device carries, a version given twice with other fields) refuses the whole
// list rather than being skipped. Lists taken without a key are read as they always were.
// lint reports each of these as an error through the same functions.

struct RecordProblem
{
    // The finding's kind, as lint names it.
    QString kind;
    QString message;
};

// The rules one record breaks on its own: an address that is not on the web, ids that are
// unreadable, 0 or outside 16 bits.
std::optional<RecordProblem> signedRecordProblem(const FirmwareItem &item);

// A second record of the same model and version with other fields, `earlierLine` the first.
RecordProblem duplicateVersionProblem(const FirmwareItem &item, qsizetype earlierLine);

// Every such line of the decoded list, counting lines as CatalogueFinding does.
QList<CatalogueFinding> signedListProblems(const QString &text);

// Whether the records parseFirmwareList gave, with `skipped` lines that were none, may break
// a rule: the quick test on every list, before signedListProblems finds the lines.
bool signedListMayBreakRules(const QList<FirmwareItem> &items, qsizetype skipped);
