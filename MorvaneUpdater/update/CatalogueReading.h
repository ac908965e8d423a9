#pragma once

#include "catalogue/FirmwareItem.h"
#include "download/DownloadResult.h"
#include "trust/CatalogueTrust.h"
#include "update/AcceptedTimestamps.h"

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
// from `signatureURL`, null when nothing could be asked for), and the signature's dates
// against `timestamps`; then decodes and parses it, and keeps its signing time as the newest
// accepted. The window and the command line take a catalogue only through this.
CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const QUrl &signatureURL, const DownloadResult *signature,
                               const AcceptedTimestamps &timestamps);

// What a release-notes download gives: the trimmed text, or the line that says why there is
// none to show (the download failed, the notes fail their digest, or they are empty).
struct NotesReading
{
    std::optional<QString> notes;
    QString failureLine;
    // The digest, not the download or the text, is what failed.
    bool refusedByTrust = false;
};

NotesReading readNotes(const FirmwareItem &item, bool keyBuiltIn, const DownloadResult &download);
