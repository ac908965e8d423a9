#include "update/FolderFile.h"

#include "update/LocalFileName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FolderFile)
};

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes the descriptor it holds however a save ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    // The close of a written file is the last place a deferred write error shows.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

ssize_t writeSome(int fd, const char *data, std::size_t size, qsizetype written)
{
    const FolderFileTestHooks &hooks = folderFileTestHooks();
    if (hooks.failWriteAfter >= 0) {
        if (written >= hooks.failWriteAfter) {
            errno = hooks.writeErrno;
            return -1;
        }
        size = qMin(size, std::size_t(hooks.failWriteAfter - written));
    }
    return ::write(fd, data, size);
}

// 0 when every byte went out, else the errno of the write that failed.
int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = writeSome(fd, bytes.constData() + written,
                                    std::size_t(bytes.size() - written), written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        written += n;
    }
    return 0;
}

QString temporaryName(const QString &fileName)
{
    return QStringLiteral(".%1.%2.part")
        .arg(fileName)
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Makes `folder` and those above it that are missing, by the name's bytes as QDir::mkpath
// would not keep them; true when it is a folder afterwards.
bool makeFolders(const QString &folder)
{
    const QByteArray path = fileNameBytes(folder);
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1)) {
        ::mkdir(path.left(slash).constData(), 0777);
    }
    ::mkdir(path.constData(), 0777);
    struct stat status = {};
    return ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Why nothing can be saved as `fileName` in `folder`, before either is touched.
std::optional<QString> placeProblem(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty()) {
        return Texts::tr("No folder for application data is available.");
    }
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) ||
        fileName == QLatin1String(".") || fileName == QLatin1String("..")) {
        return Texts::tr("\u201C%1\u201D is not a file name.").arg(fileName);
    }
    return std::nullopt;
}

// A new file in the folder open as `dir`, under a temporary name made from `fileName` (kept in
// `temporary`); -1, with errno set, when none could be made.
int createTemporary(int dir, const QString &fileName, QByteArray &temporary)
{
    int fd = -1;
    // O_EXCL with O_NOFOLLOW: a name someone planted first, link or not, is never opened.
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temporary = fileNameBytes(temporaryName(fileName));
        fd = ::openat(dir, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    return fd;
}

} // namespace

FolderFileTestHooks &folderFileTestHooks()
{
    static FolderFileTestHooks hooks;
    return hooks;
}

SavedFile saveInFolder(const QString &folder, const QString &fileName, const QByteArray &bytes)
{
    if (const std::optional<QString> problem = placeProblem(folder, fileName)) {
        return {QString(), *problem};
    }
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (!makeFolders(folder)) {
        return {QString(), Texts::tr("Unable to create the folder %1.").arg(shownFolder)};
    }
    const QString path = QDir(folder).filePath(fileName);
    const QString shownPath = QDir::toNativeSeparators(path);
    const Descriptor dir(
        ::open(fileNameBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) {
        return {QString(),
                Texts::tr("Unable to open the folder %1: %2").arg(shownFolder, errnoText(errno))};
    }
    const QByteArray name = fileNameBytes(fileName);
    struct stat status = {};
    if (::fstatat(dir.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(status.st_mode)) {
        return {QString(), Texts::tr("%1 is a folder, not a file.").arg(shownPath)};
    }
    QByteArray temporary;
    const int fd = createTemporary(dir.get(), fileName, temporary);
    if (fd < 0) {
        return {
            QString(),
            Texts::tr("Unable to write in the folder %1: %2").arg(shownFolder, errnoText(errno))};
    }
    Descriptor file(fd);
    const auto failed = [&](int error) {
        ::unlinkat(dir.get(), temporary.constData(), 0);
        return SavedFile{QString(), Texts::tr("Unable to save %1: %2; the earlier file "
                                              "there is left as it was.")
                                        .arg(shownPath, errnoText(error))};
    };
    if (const int error = writeAll(file.get(), bytes)) {
        return failed(error);
    }
    if (::fsync(file.get()) != 0) {
        return failed(errno);
    }
    if (!file.close()) {
        return failed(errno);
    }
    if (const std::function<void()> &beforeRename = folderFileTestHooks().beforeRename) {
        beforeRename();
    }
    if (::renameat(dir.get(), temporary.constData(), dir.get(), name.constData()) != 0) {
        return failed(errno);
    }
    // The rename itself lasts only once the folder is synced; a file system that cannot sync a
    // folder still holds the complete file under one name or the other.
    ::fsync(dir.get());
    return {path, QString()};
}
