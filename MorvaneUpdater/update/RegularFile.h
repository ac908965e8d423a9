#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

struct ReadFile
{
    std::optional<QByteArray> bytes;
    // Why there are none, to follow the file's name and a colon: "it is a FIFO, not a ...".
    QString errorDescription;
    // Nothing by that name: not a failure for a record that is kept only once.
    bool absent = false;
};

// Reads the whole of `path` when it is a regular file of at most `maxBytes`. A FIFO, a device
// or a folder there is refused without waiting on it: the open never blocks, and what it
// opened is checked before a byte is read. Blocking only as a disk read is.
ReadFile readRegularFile(const QString &path, qint64 maxBytes);

// The same for `name` (a plain name, no folder part) in `folder`, opened relative to the
// folder's descriptor: a link at the name is refused, never followed, so nothing outside the
// folder is read in its place.
ReadFile readRegularFileIn(const QString &folder, const QString &name, qint64 maxBytes);

// The same for a file already opened (`fd`, which is closed afterwards), for a caller that
// opened it by its own rules.
ReadFile readOpenedRegularFile(int fd, qint64 maxBytes);
