#include "update/FolderFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <filesystem>

SavedFile saveInFolder(const QString &folder, const QString &fileName, const QByteArray &bytes)
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
    // QSaveFile would follow a link to its target: whatever is not a regular file goes first.
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
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {QString(), error};
    }
    if (!file.commit()) {
        return {QString(), file.errorString()};
    }
    return {path, QString()};
}
