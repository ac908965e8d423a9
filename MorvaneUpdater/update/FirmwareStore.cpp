#include "update/FirmwareStore.h"

#include "trust/ImageDigest.h"
#include "update/FirmwareFileName.h"
#include "update/FolderFile.h"
#include "update/UpdateMessages.h"

#include <QDir>
#include <QStandardPaths>

QString defaultFirmwareFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("MorvaneUpdater"));
}

std::optional<KeptFirmware> fetchedImageRefusal(const FirmwareItem &item, const QByteArray &image)
{
    // An empty image would be "flashed" without a byte reaching the device.
    if (image.isEmpty()) {
        return KeptFirmware{QString(), UpdateMessages::noFirmwareData()};
    }
    if (const std::optional<QString> mismatch =
            imageDigestMismatch(parseImageDigest(item.digest), image)) {
        return KeptFirmware{QString(), UpdateMessages::downloadFailed(*mismatch), true};
    }
    return std::nullopt;
}

KeptFirmware keepDownloadedFirmware(const QString &folder, const FirmwareItem &item,
                                    const QByteArray &image)
{
    if (std::optional<KeptFirmware> refused = fetchedImageRefusal(item, image)) {
        return *refused;
    }
    const SavedFile saved = saveInFolder(folder, firmwareFileName(item.firmwareURL), image);
    if (!saved.succeeded()) {
        return {QString(), UpdateMessages::downloadFailed(saved.errorDescription)};
    }
    return {saved.filePath, QString()};
}
