#include "update/RegularFile.h"

#include "update/LocalFileName.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

QString failure(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegular(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return Texts::tr("it is a folder, not a regular file, so it is not read");
    }
    if (S_ISFIFO(mode)) {
        return Texts::tr("it is a FIFO, not a regular file, so it is not read");
    }
    if (S_ISSOCK(mode)) {
        return Texts::tr("it is a socket, not a regular file, so it is not read");
    }
    return Texts::tr("it is a device, not a regular file, so it is not read");
}

// Reads what `fd` opened, which is closed afterwards, when it is a regular file of at most
// `maxBytes`.
ReadFile readOpened(int fd, qint64 maxBytes)
{
    const auto result = [fd](ReadFile read) {
        ::close(fd);
        return read;
    };
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        return result({std::nullopt, failure(errno)});
    }
    if (!S_ISREG(status.st_mode)) {
        return result({std::nullopt, notRegular(status.st_mode)});
    }
    if (status.st_size > maxBytes) {
        return result({std::nullopt, Texts::tr("it has %1 bytes, more than the limit of %2 bytes")
                                         .arg(qint64(status.st_size))
                                         .arg(maxBytes)});
    }
    QByteArray bytes;
    // A file that grows while it is read is bounded all the same: one byte past the limit says
    // so.
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return result({std::nullopt, failure(errno)});
        }
        if (n == 0) {
            return result({bytes, QString()});
        }
        bytes.append(buffer, qMin<qsizetype>(n, maxBytes + 1 - bytes.size()));
    }
    return result(
        {std::nullopt,
         Texts::tr("it grew past the limit of %1 bytes while it was read").arg(maxBytes)});
}

} // namespace

ReadFile readRegularFile(const QString &path, qint64 maxBytes)
{
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one forever.
    const int fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return {std::nullopt, failure(error), error == ENOENT};
    }
    return readOpened(fd, maxBytes);
}

ReadFile readRegularFileIn(const QString &folder, const QString &name, qint64 maxBytes)
{
    const int folderFd =
        ::open(fileNameBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        const int error = errno;
        return {std::nullopt, Texts::tr("its folder cannot be opened: %1").arg(failure(error)),
                error == ENOENT};
    }
    const int fd = ::openat(folderFd, fileNameBytes(name).constData(),
                            O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    const int error = errno;
    ::close(folderFd);
    if (fd < 0 && error == ELOOP) {
        return {std::nullopt, Texts::tr("it is a link, which is not followed")};
    }
    if (fd < 0) {
        return {std::nullopt, failure(error), error == ENOENT};
    }
    return readOpened(fd, maxBytes);
}

ReadFile readOpenedRegularFile(int fd, qint64 maxBytes)
{
    return readOpened(fd, maxBytes);
}
