#include "publish/MirrorFile.h"

#include "update/LocalFileName.h"
#include "update/RegularFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

MirrorFile withState(MirrorFile::State state)
{
    MirrorFile file;
    file.state = state;
    return file;
}

MirrorFile unreadable(int error)
{
    return {MirrorFile::State::unreadable, std::nullopt,
            QString::fromLocal8Bit(std::strerror(error))};
}

// Why `name` in `folderFd` could not be opened (`error`): a link, nothing there, or a failure.
MirrorFile notOpened(int folderFd, const QByteArray &name, int error)
{
    // O_NOFOLLOW refuses a link with ELOOP, or ENOTDIR where a folder is asked for; a folder
    // there now was a link a moment ago.
    struct stat status = {};
    const bool stated = ::fstatat(folderFd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (error == ELOOP ||
        (stated && (S_ISLNK(status.st_mode) || (error == ENOTDIR && S_ISDIR(status.st_mode))))) {
        return withState(MirrorFile::State::link);
    }
    // A file where a folder is expected holds nothing under it either.
    if (error == ENOENT || error == ENOTDIR) {
        return withState(MirrorFile::State::absent);
    }
    return unreadable(error);
}

} // namespace

MirrorFile readFileUnder(const QString &folder, const QStringList &components, qint64 maxBytes)
{
    int fd = ::open(fileNameBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? withState(MirrorFile::State::absent) : unreadable(errno);
    }
    for (qsizetype i = 0; i < components.size(); ++i) {
        const bool last = i + 1 == components.size();
        const QByteArray name = fileNameBytes(components.at(i));
        // O_NONBLOCK: a FIFO with no writer would otherwise hold the open forever.
        const int next =
            ::openat(fd, name.constData(),
                     O_RDONLY | O_CLOEXEC | O_NOFOLLOW | (last ? O_NONBLOCK : O_DIRECTORY));
        const int error = errno;
        if (next < 0) {
            MirrorFile missed = notOpened(fd, name, error);
            ::close(fd);
            return missed;
        }
        ::close(fd);
        fd = next;
    }
    struct stat status = {};
    const qint64 hardLinks = ::fstat(fd, &status) == 0 ? qint64(status.st_nlink) : 1;
    ReadFile read = readOpenedRegularFile(fd, maxBytes);
    if (!read.bytes) {
        return {MirrorFile::State::unreadable, std::nullopt, read.errorDescription};
    }
    return {MirrorFile::State::found, std::move(read.bytes), QString(), hardLinks};
}
