#include "update/AcceptedTimestamps.h"

#include "update/FolderFile.h"
#include "update/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A decimal number of seconds and a line end; anything longer is not ours.
constexpr qint64 maxRecordBytes = 32;
// Another process holds the record only while it reads and writes a few bytes; one that holds
// it longer is stuck, and waiting for it would hang this one too.
constexpr int lockAttempts = 40;
constexpr unsigned long lockRetryMilliseconds = 50;

// Hidden: no image is ever saved under a name that starts with a dot.
QString recordName(const QUrl &catalogue)
{
    const QByteArray address =
        catalogue.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded).toUtf8();
    return QStringLiteral(".catalogue-%1.timestamp")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(address, QCryptographicHash::Sha256).toHex().left(32)));
}

QString keyRecordName(const MinisignKeyId &keyId)
{
    return QStringLiteral(".catalogue-%1.timestamp").arg(minisignKeyIdText(keyId));
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

// fcntl record locks are POSIX; they end with the descriptor, however the process ends.
class AcceptedTimestamps::Lock
{
public:
    explicit Lock(int fd) : m_fd(fd) {}
    ~Lock() { ::close(m_fd); }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

private:
    int m_fd;
};

AcceptedTimestamps::Locked AcceptedTimestamps::lock() const
{
    const QString path = QDir(m_folder).filePath(QStringLiteral(".catalogue.lock"));
    const auto failed = [&path](const QString &why) {
        return Locked{nullptr, QStringLiteral("The record of catalogue signing times could not "
                                              "be locked (%1: %2); it is used unlocked.")
                                   .arg(QDir::toNativeSeparators(path), why)};
    };
    if (!QDir(m_folder).mkpath(QStringLiteral("."))) {
        return failed(QStringLiteral("the folder cannot be made"));
    }
    // O_NONBLOCK and O_NOFOLLOW: a FIFO or a link planted at the name is never waited on or
    // followed.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        return failed(errnoText(errno));
    }
    auto lock = std::make_shared<Lock>(fd);
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    for (int attempt = 0; attempt < lockAttempts; ++attempt) {
        if (::fcntl(fd, F_SETLK, &whole) == 0) {
            return {lock, QString()};
        }
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) {
            return failed(errnoText(errno));
        }
        QThread::msleep(lockRetryMilliseconds);
    }
    return failed(QStringLiteral("another program holds it"));
}

AcceptedTimestamps::Newest AcceptedTimestamps::read(const QString &fileName) const
{
    const QString path = QDir(m_folder).filePath(fileName);
    const ReadFile file = readRegularFile(path, maxRecordBytes);
    const auto unreadable = [&path](const QString &why) {
        return Newest{std::nullopt,
                      QStringLiteral("The record of catalogue signing times %1 cannot be read: "
                                     "%2; the list is trusted as on first use.")
                          .arg(QDir::toNativeSeparators(path), why)};
    };
    if (!file.bytes) {
        return file.absent ? Newest{} : unreadable(file.errorDescription);
    }
    bool ok = false;
    const qint64 value = file.bytes->trimmed().toLongLong(&ok);
    if (!ok || value < 0) {
        return unreadable(QStringLiteral("it does not hold a signing time"));
    }
    return {value, QString()};
}

std::optional<qint64> AcceptedTimestamps::newestByKey(const QList<MinisignPublicKey> &keys) const
{
    // An old record that cannot be read was never one catalogue's alone: first use it is.
    std::optional<qint64> newest;
    for (const MinisignPublicKey &key : keys) {
        if (const std::optional<qint64> kept = read(keyRecordName(key.keyId)).timestamp) {
            newest = qMax(newest.value_or(*kept), *kept);
        }
    }
    return newest;
}

AcceptedTimestamps::Newest AcceptedTimestamps::newest(const QUrl &catalogue,
                                                      const QList<MinisignPublicKey> &keys) const
{
    Newest own = read(recordName(catalogue));
    if (own.timestamp || !own.problem.isEmpty()) {
        return own;
    }
    return {newestByKey(keys), QString()};
}

std::optional<QString> AcceptedTimestamps::accept(const QUrl &catalogue,
                                                  const QList<MinisignPublicKey> &keys,
                                                  qint64 timestamp) const
{
    if (const std::optional<qint64> kept = read(recordName(catalogue)).timestamp;
        kept && *kept >= timestamp) {
        return std::nullopt;
    }
    // The older records by key are left for the catalogues that have none of their own yet.
    const std::optional<qint64> byKey = newestByKey(keys);
    return replace(catalogue, byKey ? qMax(*byKey, timestamp) : timestamp);
}

std::optional<QString> AcceptedTimestamps::replace(const QUrl &catalogue, qint64 timestamp) const
{
    const SavedFile saved =
        saveInFolder(m_folder, recordName(catalogue), QByteArray::number(timestamp) + '\n');
    if (saved.succeeded()) {
        return std::nullopt;
    }
    return QStringLiteral("The record of catalogue signing times cannot be kept: %1 The next "
                          "list will be trusted as on first use.")
        .arg(saved.errorDescription);
}
