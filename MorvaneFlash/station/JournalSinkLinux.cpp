#include "station/JournalSink.h"

#include <cstring>
#include <sys/stat.h>
#include <systemd/sd-journal.h>
#include <vector>

namespace {

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
        return QStringLiteral("no systemd journal listens here (%1 is missing)")
            .arg(QLatin1String(journalSocket));
    }
    return std::nullopt;
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
