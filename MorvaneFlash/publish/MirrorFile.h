#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// What a publisher's folder holds at a relative path.
struct MirrorFile
{
    enum class State
    {
        found,
        absent,
        // The file, or a folder on the way to it, is a link: never followed.
        link,
        unreadable,
    };
    State state = State::absent;
    std::optional<QByteArray> bytes;
    // Why an unreadable file is, to follow its name and a colon.
    QString errorDescription;
    // More than one: the same file has other names, through which it may change.
    qint64 hardLinks = 1;
};

// Reads the regular file at `components` (plain names, the last one the file's) under
// `folder`, of at most `maxBytes`. Each component is opened relative to the descriptor of the
// one before without following links, so a link swapped in while it is read leads nowhere
// outside `folder`.
MirrorFile readFileUnder(const QString &folder, const QStringList &components, qint64 maxBytes);
