#include "update/AcceptedTimestamps.h"

#include "update/FolderFile.h"
#include "update/RegularFile.h"

#include <QDir>

namespace {
// A decimal number of seconds and a line end; anything longer is not ours.
constexpr qint64 maxRecordBytes = 32;
} // namespace

QString AcceptedTimestamps::fileName(const MinisignKeyId &keyId) const
{
    return QStringLiteral(".catalogue-%1.timestamp").arg(minisignKeyIdText(keyId));
}

std::optional<qint64> AcceptedTimestamps::newest(const MinisignKeyId &keyId) const
{
    const ReadFile file = readRegularFile(QDir(m_folder).filePath(fileName(keyId)), maxRecordBytes);
    if (!file.bytes) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = file.bytes->trimmed().toLongLong(&ok);
    if (!ok || value < 0) {
        return std::nullopt;
    }
    return value;
}

bool AcceptedTimestamps::accept(const MinisignKeyId &keyId, qint64 timestamp) const
{
    if (const std::optional<qint64> kept = newest(keyId); kept && *kept >= timestamp) {
        return true;
    }
    return replace(keyId, timestamp);
}

bool AcceptedTimestamps::replace(const MinisignKeyId &keyId, qint64 timestamp) const
{
    return saveInFolder(m_folder, fileName(keyId), QByteArray::number(timestamp) + '\n')
        .succeeded();
}
