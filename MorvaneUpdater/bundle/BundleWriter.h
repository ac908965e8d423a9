#pragma once

#include "catalogue/FirmwareItem.h"
#include "download/DownloadLimits.h"
#include "download/DownloadResult.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <optional>
#include <utility>

// Writes an offline bundle (bundle/BundleLayout.h) into a folder from what the catalogue road
// fetched, beside BundleSource, which reads it. The address file is emptied first and written
// last: a bundle left half-written, even over an older one, names no catalogue, so that no mix
// of old and new files is ever read as one. What the updater would refuse is never kept.
class BundleWriter
{
public:
    struct Step
    {
        enum class Failure
        {
            none,
            // The file could not be fetched or is refused for another reason than its digest.
            unavailable,
            // It is not what the record's digest names.
            refused,
            // The folder could not be written.
            unwritable,
        };
        Failure failure = Failure::none;
        // The whole line that says why.
        QString message = {};

        bool succeeded() const { return failure == Failure::none; }
    };

    explicit BundleWriter(QString folder) : m_folder(std::move(folder)) {}

    // Empties the address file, before anything else is written.
    Step begin();
    // Whether the file of `kind` that `item` names is still to be fetched: each address once for
    // each digest it is given, so that two versions with one digest still have their own images
    // checked, as the updater checks each version's.
    bool needs(const FirmwareItem &item, DownloadKind kind) const;
    // Checks what was fetched for `item` as the updater would, and keeps it under its digest.
    Step keep(const FirmwareItem &item, DownloadKind kind, const DownloadResult &fetched);
    // The list and its signature as the server gave them, the address and the README; then the
    // bundle is complete.
    Step finish(const QUrl &listURL, const QByteArray &list,
                const std::optional<QByteArray> &signature, const QByteArray &readme);

private:
    Step save(const QString &name, const QByteArray &bytes);

    const QString m_folder;
    QSet<std::pair<QString, QByteArray>> m_kept;
};

// For whoever finds the folder: what it is, how it is used, why a changed file does no harm,
// and the versions it holds. Not yet made safe for a terminal.
QString bundleReadme(const QUrl &listURL, const QList<FirmwareItem> &bundled);
