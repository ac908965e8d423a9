#include "bundle/BundleWriter.h"

#include "bundle/BundleLayout.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/FirmwareStore.h"
#include "update/FolderFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BundleWriter)
};

using Failure = BundleWriter::Step::Failure;

std::pair<QString, QByteArray> fileOf(const FirmwareItem &item, DownloadKind kind)
{
    const bool image = kind == DownloadKind::image;
    return {(image ? item.firmwareURL : item.notesURL).toString(),
            parseImageDigest(image ? item.digest : item.notesDigest).sha256};
}

} // namespace

BundleWriter::Step BundleWriter::begin()
{
    return save(bundleAddressName, QByteArray());
}

bool BundleWriter::needs(const FirmwareItem &item, DownloadKind kind) const
{
    return !m_kept.contains(fileOf(item, kind));
}

BundleWriter::Step BundleWriter::keep(const FirmwareItem &item, DownloadKind kind,
                                      const DownloadResult &fetched)
{
    const bool image = kind == DownloadKind::image;
    const auto failed = [image](const QString &description) {
        return image ? UpdateMessages::downloadFailed(description)
                     : UpdateMessages::notesFetchFailed(description);
    };
    if (!fetched.succeeded()) {
        return {Failure::unavailable, failed(fetched.errorDescription)};
    }
    const QByteArray &body = *fetched.body;
    // What the updater would refuse is not bundled: a bundle is read as the catalogue is.
    if (image) {
        if (const std::optional<KeptFirmware> refused = fetchedImageRefusal(item, body)) {
            return {refused->integrityFailure ? Failure::refused : Failure::unavailable,
                    refused->failureLine};
        }
    } else if (const std::optional<QString> refused = notesRefusal(item, true, body)) {
        return {Failure::refused, failed(*refused)};
    }
    const std::pair<QString, QByteArray> file = fileOf(item, kind);
    const Step saved = save(bundleContentName(file.second), body);
    if (saved.succeeded()) {
        m_kept.insert(file);
    }
    return saved;
}

BundleWriter::Step BundleWriter::finish(const QUrl &listURL, const QByteArray &list,
                                        const std::optional<QByteArray> &signature,
                                        const QByteArray &readme)
{
    QList<std::pair<QString, QByteArray>> files;
    if (signature) {
        files.append({bundleSignatureName, *signature});
    }
    files.append({bundleListName, list});
    files.append({bundleAddressName, bundleAddressText(listURL)});
    files.append({bundleReadmeName, readme});
    for (const auto &[name, bytes] : files) {
        if (const Step saved = save(name, bytes); !saved.succeeded()) {
            return saved;
        }
    }
    return {};
}

// The one safe way to keep a file in the bundle's folder.
BundleWriter::Step BundleWriter::save(const QString &name, const QByteArray &bytes)
{
    const SavedFile saved = saveInFolder(m_folder, name, bytes);
    if (!saved.succeeded()) {
        return {Failure::unwritable,
                Texts::tr("The bundle could not be written: %1").arg(saved.errorDescription)};
    }
    return {};
}

QString bundleReadme(const QUrl &listURL, const QList<FirmwareItem> &bundled)
{
    QString text =
        Texts::tr("Morvane firmware bundle\n"
                  "=======================\n"
                  "\n"
                  "This folder holds firmware from the catalogue at\n"
                  "  %1\n"
                  "as it was on %2, for computers without a network:\n"
                  "\n"
                  "  morvane-flash --bundle THIS-FOLDER list\n"
                  "  morvane-flash --bundle THIS-FOLDER flash MODEL [VERSION]\n"
                  "\n"
                  "Nothing here is trusted for being here. The list, %3, is taken only\n"
                  "with its publisher's signature, %4, checked as a download\n"
                  "is, and every image and release-notes file only when it matches the\n"
                  "SHA-256 digest its list line gives, which is also its name. A changed or\n"
                  "missing file is refused, never flashed. Copy the folder whole.\n"
                  "\n"
                  "Versions held:\n")
            .arg(listURL.toDisplayString(), QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                 bundleListName, bundleSignatureName);
    for (const FirmwareItem &item : bundled) {
        text += Texts::tr("  %1 %2, image %3\n")
                    .arg(item.product, item.version,
                         bundleContentName(parseImageDigest(item.digest).sha256));
    }
    return text;
}
