#include "station/BenchLog.h"

#include "frame/Console.h"
#include "station/FlushToDisk.h"
#include "update/LocalFileName.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BenchLog)
};

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

BenchLog::~BenchLog()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::optional<QString> BenchLog::open(const QString &fileName)
{
    const QByteArray name = fileNameBytes(fileName);
    // O_NONBLOCK: a FIFO with no reader would hold the open forever; fstat then refuses it.
    const int fd =
        ::open(name.constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP) {
            return Texts::tr("%1 is a symbolic link; the log is never written through one.")
                .arg(fileName);
        }
        // What a FIFO without a reader answers a write open that does not wait.
        if (error == ENXIO) {
            return Texts::tr("%1 is not a regular file.").arg(fileName);
        }
        return QStringLiteral("%1: %2").arg(fileName, errnoText(error));
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Texts::tr("%1 is not a regular file.").arg(fileName);
    }
    m_fileName = fileName;
    m_fd = fd;
    return std::nullopt;
}

std::optional<QString> BenchLog::append(const QJsonObject &record)
{
    // Escaped like the console's JSON: a log followed with tail -f is a terminal too.
    const QByteArray line =
        terminalSafeJson(QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)))
            .toUtf8() +
        '\n';
    const std::lock_guard lock(m_mutex);
    if (m_fd < 0) {
        return Texts::tr("the log is not open.");
    }
    // One write of the whole line: with O_APPEND nothing else lands inside it. A short write
    // (a full disk) is continued; if that fails too, the error is the caller's to report.
    for (qsizetype written = 0; written < line.size();) {
        const ssize_t n =
            ::write(m_fd, line.constData() + written, std::size_t(line.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return QStringLiteral("%1: %2").arg(m_fileName, errnoText(errno));
        }
        written += n;
    }
    if (!flushToDisk(m_fd)) {
        return QStringLiteral("%1: %2").arg(m_fileName, errnoText(errno));
    }
    return std::nullopt;
}
