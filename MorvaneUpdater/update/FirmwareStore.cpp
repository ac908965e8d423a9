#include "update/FirmwareStore.h"

#include "trust/ImageDigest.h"
#include "update/FirmwareFileName.h"
#include "update/UpdateMessages.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <filesystem>

QString defaultFirmwareFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("MorvaneUpdater"));
}

SavedFirmware saveFirmwareImage(const QString &folder, const QString &fileName,
                                const QByteArray &image)
{
    if (folder.isEmpty()) {
        return {QString(), QStringLiteral("No folder for application data is available.")};
    }
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        return {QString(), QStringLiteral("Unable to create the folder %1.")
                               .arg(QDir::toNativeSeparators(folder))};
    }
    const QString path = dir.filePath(fileName);
    // The image replaces whatever stands at its name and is never written through a link
    // (QSaveFile would follow one to its target) or into anything but a regular file.
    std::error_code error;
    const std::filesystem::file_status status =
        std::filesystem::symlink_status(QFile::encodeName(path).toStdString(), error);
    if (std::filesystem::is_directory(status)) {
        return {QString(),
                QStringLiteral("%1 is a folder, not a file.").arg(QDir::toNativeSeparators(path))};
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !QFile::remove(path)) {
        return {QString(), QStringLiteral("Unable to replace %1, which is not a regular file.")
                               .arg(QDir::toNativeSeparators(path))};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {QString(), file.errorString()};
    }
    if (file.write(image) != image.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {QString(), error};
    }
    if (!file.commit()) {
        return {QString(), file.errorString()};
    }
    return {path, QString()};
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
    const SavedFirmware saved =
        saveFirmwareImage(folder, firmwareFileName(item.firmwareURL), image);
    if (!saved.succeeded()) {
        return {QString(), UpdateMessages::downloadFailed(saved.errorDescription)};
    }
    return {saved.filePath, QString()};
}
