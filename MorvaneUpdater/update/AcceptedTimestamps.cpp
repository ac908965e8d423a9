#include "update/AcceptedTimestamps.h"

#include "trust/SignatureDates.h"
#include "update/FolderFile.h"
#include "update/LocalFileName.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AcceptedTimestamps)
};

// A decimal number of seconds and a line end; anything longer is not ours.
constexpr qint64 maxRecordBytes = 32;
// What was taken, beside the signing time: the address, when and the key.
constexpr qint64 maxTakenBytes = 8192;
const QString recordPrefix = QStringLiteral(".catalogue-");
const QString recordSuffix = QStringLiteral(".timestamp");
const QString takenSuffix = QStringLiteral(".taken");
// A record by address is named after 32 hex digits of its hash; one by key after the key id.
constexpr qsizetype addressNameDigits = 32;
// Another process holds the record only while it reads and writes a few bytes; one that holds
// it longer is stuck, and waiting for it would hang this one too.
constexpr int lockAttempts = 40;
constexpr unsigned long lockRetryMilliseconds = 50;

// Hidden: no image is ever saved under a name that starts with a dot.
QString recordName(const QUrl &catalogue)
{
    const QByteArray address =
        catalogue.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded).toUtf8();
    return recordPrefix +
           QString::fromLatin1(QCryptographicHash::hash(address, QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(addressNameDigits)) +
           recordSuffix;
}

// Kept apart from the signing time, which earlier versions read alone and still can.
QString takenName(const QString &recordFileName)
{
    return recordFileName.chopped(recordSuffix.size()) + takenSuffix;
}

QString keyRecordName(const MinisignKeyId &keyId)
{
    return recordPrefix + minisignKeyIdText(keyId) + recordSuffix;
}

QByteArray takenText(const QUrl &catalogue, const AcceptedTimestamps::Taken &taken)
{
    return "address " + catalogue.toEncoded() + "\ntaken " + QByteArray::number(taken.now) +
           "\nkey " + taken.keyId.toLatin1() + '\n';
}

void readTaken(const QByteArray &text, AcceptedTimestamps::Record &record)
{
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        const QByteArray name = line.left(space);
        const QByteArray value = space < 0 ? QByteArray() : line.mid(space + 1);
        bool ok = false;
        if (name == "address") {
            record.catalogue = QUrl::fromEncoded(value, QUrl::StrictMode);
        } else if (const qint64 at = value.toLongLong(&ok); name == "taken" && ok) {
            record.takenAt = at;
        } else if (name == "key") {
            record.keyId = QString::fromLatin1(value);
        }
    }
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
        return Locked{nullptr, Texts::tr("The record of catalogue signing times could not "
                                         "be locked (%1: %2); it is used unlocked.")
                                   .arg(QDir::toNativeSeparators(path), why)};
    };
    if (!QDir(m_folder).mkpath(QStringLiteral("."))) {
        return failed(Texts::tr("the folder cannot be made"));
    }
    // O_NONBLOCK and O_NOFOLLOW: a FIFO or a link planted at the name is never waited on or
    // followed.
    const int fd = ::open(fileNameBytes(path).constData(),
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
    return failed(Texts::tr("another program holds it"));
}

AcceptedTimestamps::Newest AcceptedTimestamps::read(const QString &fileName) const
{
    const QString path = QDir(m_folder).filePath(fileName);
    const ReadFile file = readRegularFile(path, maxRecordBytes);
    const auto unreadable = [&path](const QString &why) {
        return Newest{std::nullopt,
                      Texts::tr("The record of catalogue signing times %1 cannot be read: "
                                "%2; the list is trusted as on first use.")
                          .arg(QDir::toNativeSeparators(path), why)};
    };
    if (!file.bytes) {
        return file.absent ? Newest{} : unreadable(file.errorDescription);
    }
    bool ok = false;
    const qint64 value = file.bytes->trimmed().toLongLong(&ok);
    if (!ok || value < 0) {
        return unreadable(Texts::tr("it does not hold a signing time"));
    }
    return {value, QString()};
}

std::optional<qint64> AcceptedTimestamps::newestByKey(const QList<MinisignPublicKey> &keys,
                                                      qint64 now, QString *ignored) const
{
    // An old record that cannot be read was never one catalogue's alone: first use it is.
    std::optional<qint64> newest;
    for (const MinisignPublicKey &key : keys) {
        const std::optional<qint64> kept = read(keyRecordName(key.keyId)).timestamp;
        if (kept && recordLiesAhead(*kept, now)) {
            if (ignored != nullptr) {
                *ignored = UpdateMessages::legacyRecordAheadIgnored(minisignKeyIdText(key.keyId),
                                                                    *kept, now);
            }
        } else if (kept) {
            newest = qMax(newest.value_or(*kept), *kept);
        }
    }
    return newest;
}

AcceptedTimestamps::Newest AcceptedTimestamps::newest(const QUrl &catalogue,
                                                      const QList<MinisignPublicKey> &keys,
                                                      qint64 now) const
{
    Newest own = read(recordName(catalogue));
    if (own.timestamp) {
        // Kept by this version, which never takes a list signed beyond the skew ahead of its
        // clock: a clock behind it now is the clock's fault, or a fast signer's, and lowering
        // the floor for it would let an old list back in.
        own.aheadOfClock = recordLiesAhead(*own.timestamp, now);
        return own;
    }
    if (!own.problem.isEmpty()) {
        return own;
    }
    Newest byKey;
    byKey.timestamp = newestByKey(keys, now, &byKey.ignored);
    return byKey;
}

std::optional<QString> AcceptedTimestamps::accept(const QUrl &catalogue,
                                                  const QList<MinisignPublicKey> &keys,
                                                  const Taken &taken) const
{
    const QString name = recordName(catalogue);
    if (const std::optional<qint64> kept = read(name).timestamp; kept && *kept >= taken.timestamp) {
        return std::nullopt;
    }
    // What the next list is judged by when nothing can be written.
    const Newest floor = newest(catalogue, keys, taken.now);
    // The older records by key are left for the catalogues that have none of their own yet.
    const std::optional<qint64> byKey = newestByKey(keys, taken.now, nullptr);
    const qint64 keep = byKey ? qMax(*byKey, taken.timestamp) : taken.timestamp;
    const SavedFile saved = saveInFolder(m_folder, name, QByteArray::number(keep) + '\n');
    if (!saved.succeeded()) {
        return UpdateMessages::recordNotKept(saved.errorDescription, floor.timestamp);
    }
    // Only for a person to read (records): the floor holds without it.
    saveInFolder(m_folder, takenName(name), takenText(catalogue, taken));
    return std::nullopt;
}

AcceptedTimestamps::Record AcceptedTimestamps::recordOf(const QString &fileName) const
{
    Record record;
    record.fileName = fileName;
    const Newest kept = read(fileName);
    record.timestamp = kept.timestamp;
    record.problem = kept.problem;
    const QString id = fileName.sliced(recordPrefix.size()).chopped(recordSuffix.size());
    if (id.size() != addressNameDigits) {
        record.legacyKeyId = id;
        return record;
    }
    const ReadFile taken = readRegularFileIn(m_folder, takenName(fileName), maxTakenBytes);
    if (taken.bytes) {
        readTaken(*taken.bytes, record);
    }
    return record;
}

QList<AcceptedTimestamps::Record> AcceptedTimestamps::records() const
{
    QList<Record> byAddress;
    QList<Record> byKey;
    const QStringList names = QDir(m_folder).entryList(
        {recordPrefix + '*' + recordSuffix}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        Record record = recordOf(name);
        (record.legacyKeyId.isEmpty() ? byAddress : byKey).append(std::move(record));
    }
    return byAddress + byKey;
}

AcceptedTimestamps::Forgotten AcceptedTimestamps::forget(const QUrl &catalogue,
                                                         const QList<MinisignPublicKey> &keys) const
{
    const Locked locked = lock();
    if (!locked.lock) {
        // Removed unlocked, a record another process is writing could come back at once.
        return {{}, locked.problem};
    }
    const QString own = recordName(catalogue);
    QStringList names{own, takenName(own)};
    for (const MinisignPublicKey &key : keys) {
        names.append(keyRecordName(key.keyId));
    }
    Forgotten forgotten;
    const QDir folder(m_folder);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (::unlink(fileNameBytes(path).constData()) == 0) {
            if (name.endsWith(recordSuffix)) {
                forgotten.removed.append(QDir::toNativeSeparators(path));
            }
        } else if (errno != ENOENT && forgotten.problem.isEmpty()) {
            forgotten.problem = Texts::tr("%1 cannot be removed: %2")
                                    .arg(QDir::toNativeSeparators(path), errnoText(errno));
        }
    }
    return forgotten;
}
