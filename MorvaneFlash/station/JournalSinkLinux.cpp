#include "station/JournalSink.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
// Without it every entry would carry CODE_FILE, this file's path on the build machine.
#define SD_JOURNAL_SUPPRESS_LOCATION
#include <systemd/sd-journal.h>
#include <vector>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(JournalSinkLinux)
};

// Where journald takes native entries; sd_journal_sendv sends to it.
constexpr const char *journalSocket = "/run/systemd/journal/socket";

} // namespace

std::optional<QString> journalUnsupported()
{
    return std::nullopt;
}

std::optional<QString> journalAbsent()
{
    struct stat status = {};
    if (::stat(journalSocket, &status) != 0 || !S_ISSOCK(status.st_mode)) {
        return Texts::tr("no systemd journal listens here (%1 is missing)")
            .arg(QLatin1String(journalSocket));
    }
    return std::nullopt;
}

bool isJournalStream(int fd)
{
    const char *stream = std::getenv("JOURNAL_STREAM");
    unsigned long long device = 0;
    unsigned long long inode = 0;
    struct stat status = {};
    return stream && std::sscanf(stream, "%llu:%llu", &device, &inode) == 2 &&
           ::fstat(fd, &status) == 0 && status.st_dev == device && status.st_ino == inode;
}

std::optional<QString> sendToJournal(const QList<QByteArray> &fields)
{
    std::vector<iovec> parts;
    parts.reserve(std::size_t(fields.size()));
    for (const QByteArray &field : fields) {
        parts.push_back({const_cast<char *>(field.constData()), std::size_t(field.size())});
    }
    const int result = sd_journal_sendv(parts.data(), int(parts.size()));
    if (result < 0) {
        return QString::fromLocal8Bit(std::strerror(-result));
    }
    return std::nullopt;
}
