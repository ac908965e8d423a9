#include "station/JournalSink.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(JournalSinkOther)
};

QString unsupported()
{
    return Texts::tr("the systemd journal is not available on this system.");
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
