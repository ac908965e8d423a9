#include "station/UnitRecordSinks.h"

#include "frame/Console.h"
#include "station/JournalRecord.h"
#include "station/JournalSink.h"
#include "station/WatchSettings.h"
#include "update/FolderFile.h"
#include "update/LocalFileName.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UnitRecordSinks)
};

// Well within the five minutes after which the package's alert takes a station for dead.
constexpr int metricsHeartbeatMs = 30'000;

} // namespace

UnitRecordSinks::UnitRecordSinks(const WatchSettings &settings, Console &console)
    : m_settings(settings), m_console(console)
{
}

std::optional<QString> UnitRecordSinks::claimMetrics()
{
    if (m_settings.metrics.isEmpty()) {
        return std::nullopt;
    }
    return m_metricsClaim.claim(m_settings.metrics);
}

void UnitRecordSinks::begin(const UpdateTarget &target)
{
    if (m_settings.journal) {
        if (const std::optional<QString> absent = journalAbsent()) {
            m_journalSaid = true;
            m_console.printError(Texts::tr("morvane-flash: --journal: %1; the units go on "
                                           "without it.")
                                     .arg(*absent));
        } else {
            m_outIsJournal = isJournalStream(1);
            m_errIsJournal = isJournalStream(2);
        }
    }
    addWatchedSeries(m_metrics, target.product, target.version);
    m_metrics.watchStarted = QDateTime::currentSecsSinceEpoch();
    m_metrics.up = true;
    m_metrics.catalogueExpires = target.listExpires;
    writeMetrics();
    if (!m_settings.metrics.isEmpty()) {
        // The timer is a member and the call's context: it goes with the sinks.
        QObject::connect(&m_heartbeat, &QTimer::timeout, &m_heartbeat, [this] { writeMetrics(); });
        m_heartbeat.start(metricsHeartbeatMs);
    }
}

bool UnitRecordSinks::endOnConsole(bool toError) const
{
    return !(toError ? m_errIsJournal : m_outIsJournal);
}

void UnitRecordSinks::unitStarted()
{
    ++m_metrics.inTransfer;
    writeMetrics();
}

void UnitRecordSinks::unitEnded(const UnitRecord &record)
{
    if (m_settings.journal) {
        const std::optional<QString> problem = sendToJournal(journalFields(record));
        if (problem && !std::exchange(m_journalSaid, true)) {
            m_console.printError(Texts::tr("morvane-flash: --journal: an entry could not "
                                           "be sent (%1); the units go on without it.")
                                     .arg(*problem));
        }
    }
    countEnd(m_metrics, record, QDateTime::currentSecsSinceEpoch());
    writeMetrics();
}

void UnitRecordSinks::end()
{
    m_heartbeat.stop();
    m_metrics.up = false;
    writeMetrics();
}

void UnitRecordSinks::writeMetrics()
{
    if (m_settings.metrics.isEmpty()) {
        return;
    }
    // node_exporter's folder is not ours, but the same care holds: never through a link, and
    // a reader sees the earlier file or the new one whole.
    // The name's own bytes, split as text: QFileInfo would lose those that are not UTF-8.
    const QString &file = m_settings.metrics;
    const SavedFile saved = saveInFolder(folderOfFile(file), file.section(QLatin1Char('/'), -1),
                                         metricsText(m_metrics, m_settings.tags).toUtf8());
    if (saved.succeeded()) {
        m_metricsSaid = false;
    } else if (!std::exchange(m_metricsSaid, true)) {
        m_console.printError(Texts::tr("morvane-flash: --metrics: %1").arg(saved.errorDescription));
    }
}
