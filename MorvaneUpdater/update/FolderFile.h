#pragma once

#include <QByteArray>
#include <QString>

struct SavedFile
{
    QString filePath; // empty on failure
    QString errorDescription;

    bool succeeded() const { return !filePath.isEmpty(); }
};

// Creates the folder when missing and writes `bytes` atomically under `fileName`, replacing
// an earlier file of that name, and a link or any other non-file there too: nothing is ever
// written through a link. Blocking.
SavedFile saveInFolder(const QString &folder, const QString &fileName, const QByteArray &bytes);
