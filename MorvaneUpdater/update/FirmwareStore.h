#pragma once

#include "catalogue/FirmwareItem.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Where downloaded images are kept: "MorvaneUpdater" in the per-user application data
// folder.
QString defaultFirmwareFolder();

struct KeptFirmware
{
    QString filePath; // empty when the image was refused or could not be written
    // The whole report line of a failure, as the window and the command line show it.
    QString failureLine;
    // The image is not the one the catalogue's digest names.
    bool integrityFailure = false;

    bool succeeded() const { return !filePath.isEmpty(); }
};

// Why a fetched image must not be used for `item`, as a failure to keep it: it is empty or fails
// the record's digest. Nothing when it may be used.
std::optional<KeptFirmware> fetchedImageRefusal(const FirmwareItem &item, const QByteArray &image);

// What becomes of a downloaded image: refused when it is empty or fails the record's digest
// (nothing is written then), else saved under the name its address gives. Blocking, since it
// hashes and writes the whole image; runs off the GUI thread.
KeptFirmware keepDownloadedFirmware(const QString &folder, const FirmwareItem &item,
                                    const QByteArray &image);
