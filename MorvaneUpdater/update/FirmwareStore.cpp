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

KeptFirmware keepDownloadedFirmware(const QString &folder, const FirmwareItem &item,
                                    const QByteArray &image)
{
    // An empty image would be "flashed" without a byte reaching the device.
    if (image.isEmpty()) {
        return {QString(), UpdateMessages::noFirmwareData()};
    }
    if (const std::optional<QString> mismatch =
            imageDigestMismatch(parseImageDigest(item.digest), image)) {
        return {QString(), UpdateMessages::downloadFailed(*mismatch), true};
    }
    const SavedFile saved = saveInFolder(folder, firmwareFileName(item.firmwareURL), image);
    if (!saved.succeeded()) {
        return {QString(), UpdateMessages::downloadFailed(saved.errorDescription)};
    }
    return {saved.filePath, QString()};
}
