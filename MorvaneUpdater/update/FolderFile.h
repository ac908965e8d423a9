#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

struct SavedFile
{
    QString filePath; // empty on failure
    QString errorDescription;

    bool succeeded() const { return !filePath.isEmpty(); }
};

// The one way anything is kept in our folder. Creates the folder when missing and writes
// `bytes` under `fileName` (a plain name, no folder part) through a new temporary file made
// beside it, relative to the folder's descriptor so that no link is ever followed: every
// write and the sync are checked, and only then is the temporary renamed over the name. A
// link or another non-folder at the name is replaced, never written through. A failed save
// leaves the earlier file as it was and says why. Blocking.
SavedFile saveInFolder(const QString &folder, const QString &fileName, const QByteArray &bytes);

// What the tests put between the steps of a save: a write that fails with `writeErrno` once
// `failWriteAfter` bytes went out (a full disk), and a call just before the rename (to plant
// a link at the name). Not for the programs themselves; empty by default.
struct FolderFileTestHooks
{
    qsizetype failWriteAfter = -1;
    int writeErrno = 0;
    std::function<void()> beforeRename;
};
FolderFileTestHooks &folderFileTestHooks();
