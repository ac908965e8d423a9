#pragma once

#include <QByteArray>
#include <QList>

struct UnitRecord;

// How a unit of flash --watch ended, as the journal tells them apart: each has its MESSAGE_ID
// (given in the manual page, fixed for good) and its priority.
enum class UnitEnd
{
    completed,
    failed,
    stopped,
    skipped,
};
UnitEnd unitEndOf(const UnitRecord &record);
// 128-bit, hexadecimal, as journalctl MESSAGE_ID= takes it.
QByteArray messageIdOf(UnitEnd end);

// A unit's record as the systemd journal's fields, each "NAME=value": MESSAGE (the unit's
// line as the console says it), PRIORITY, MESSAGE_ID, SYSLOG_IDENTIFIER=morvane-flash, and
// MORVANE_SERIAL, MORVANE_PORT, MORVANE_PATH, MORVANE_MODEL, MORVANE_VERSION,
// MORVANE_IMAGE_SHA256, MORVANE_STATUS, MORVANE_STATION and MORVANE_LABEL_<KEY in capitals>
// (in the order of their keys) when they are not empty; those values never hold a line end
// or a tab, whatever a device named itself. Then, as the log's line has them, MORVANE_PHASE,
// MORVANE_BYTES_SENT and MORVANE_SECONDS for a unit attempted, and MORVANE_HINT when there
// is a hint.
QList<QByteArray> journalFields(const UnitRecord &record);
