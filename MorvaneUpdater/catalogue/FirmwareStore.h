#pragma once

#include <QByteArray>
#include <QString>

// Where downloaded images are kept: "MorvaneUpdater" in the per-user application data
// folder.
QString defaultFirmwareFolder();

struct SavedFirmware
{
    QString filePath; // empty on failure
    QString errorDescription;

    bool succeeded() const { return !filePath.isEmpty(); }
};

// Creates the folder when missing and writes the image atomically under `fileName`,
// replacing an earlier file of that name. Blocking; runs off the GUI thread.
SavedFirmware saveFirmwareImage(const QString &folder, const QString &fileName,
                                const QByteArray &image);
