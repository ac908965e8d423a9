#pragma once

#include "catalogue/FirmwareItem.h"
#include "download/DownloadResult.h"
#include "trust/CatalogueTrust.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// What a downloaded list file gives: its records, or the line that says why it gives none.
struct CatalogueReading
{
    std::optional<QList<FirmwareItem>> items;
    QString failureLine;
    // The signature, not the download or the text, is what failed.
    bool refusedByTrust = false;
};

// Checks the list against its signature when `trust` holds a key (`signature` is what came
// from `signatureURL`, null when nothing could be asked for), then decodes and parses it.
// The window and the command line take a catalogue only through this.
CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const QUrl &signatureURL, const DownloadResult *signature);
