#pragma once

#include "catalogue/FirmwareItem.h"
#include "update/CatalogueFinding.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

// What a list signed with the build's key may not hold. Its publisher vouches for every
// line, so a line the updater could only guess about (one it cannot read, an address off the
// web, ids no device carries, a version given twice with other fields) refuses the whole
// list rather than being skipped. Lists taken without a key are read as they always were.
// lint reads a list by the same walk and only chooses how severe each finding is.

// One line of a list file as editors number it: LF, CR LF and CR each end one, so that a
// finding's line is the line a publisher's editor shows. `start` and `length` leave out the
// line's end, `ending` is its length (0 for a last line without one). A text that ends with
// a line end has no empty line after it.
struct ListLine
{
    qsizetype number = 0;
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype ending = 0;
};

QList<ListLine> listLines(QByteArrayView bytes);
QList<ListLine> listLines(QStringView text);

struct RecordProblem
{
    // The finding's kind, as lint names it.
    QString kind;
    QString message;
};

// One non-blank piece of a line (other line ends, VT, FF, NEL, U+2028, U+2029, split records
// inside a line) as the updater reads it, with what its rules for a signed list find there.
struct ListEntry
{
    qsizetype line = 0;
    QStringView text;
    // Nothing: the piece is not a record the updater can read.
    std::optional<FirmwareItem> item = {};
    // The line of an earlier identical record; 0 when this is the first.
    qsizetype sameRecordAt = 0;
    // What the record breaks on its own (an address that is not on the web, ids that are
    // unreadable, 0 or outside 16 bits), and a version given twice with other fields.
    std::optional<RecordProblem> recordProblem = {};
    std::optional<RecordProblem> versionProblem = {};
};

// The one walk over a decoded list, in order.
void walkList(QStringView text, const std::function<void(const ListEntry &)> &visit);

// Every such line of the decoded list, counting lines as listLines does.
QList<CatalogueFinding> signedListProblems(const QString &text);

// Whether the records parseFirmwareList gave, with `skipped` lines that were none, may break
// a rule: the quick test on every list, before signedListProblems finds the lines.
bool signedListMayBreakRules(const QList<FirmwareItem> &items, qsizetype skipped);

// The same rules field by field, as lint tells a publisher which field to mend. `index`
// counts from 0: "field 6 (firmware URL)".
QString listFieldLabel(int index);
// An address field (5 or 6) that cannot be downloaded.
std::optional<RecordProblem> addressFieldProblem(int index, const CatalogueUrl &url);

struct FieldProblem
{
    RecordProblem problem;
    // The updater never finds a device for it; otherwise it is only unusual.
    bool refused = false;
};
// An id field (1 or 2) as written, trimmed.
std::optional<FieldProblem> usbIdFieldProblem(int index, const QString &text);
