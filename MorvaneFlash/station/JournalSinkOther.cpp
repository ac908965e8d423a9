#include "station/JournalSink.h"

namespace {

QString unsupported()
{
    return QStringLiteral("the systemd journal is not available on this system.");
}

} // namespace

std::optional<QString> journalUnsupported()
{
    return unsupported();
}

std::optional<QString> journalAbsent()
{
    return unsupported();
}

std::optional<QString> sendToJournal(const QList<QByteArray> &)
{
    return unsupported();
}

bool isJournalStream(int)
{
    return false;
}
