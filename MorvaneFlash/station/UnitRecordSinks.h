#pragma once

#include "station/MetricsClaim.h"
#include "station/MetricsText.h"

#include <QTimer>

class Console;
struct UnitRecord;
struct UpdateTarget;
struct WatchSettings;

// Where flash --watch tells each unit's end besides its log: the systemd journal (--journal)
// and a node_exporter textfile (--metrics FILE), rewritten whole after each change and at
// least every 30 s, so that the file's time shows a live station. Neither
// stops the run when it fails: the failure is said once on standard error, and the log stays
// the record. Told from the watch's own thread only.
class UnitRecordSinks
{
public:
    UnitRecordSinks(const WatchSettings &settings, Console &console);
    UnitRecordSinks(const UnitRecordSinks &) = delete;
    UnitRecordSinks &operator=(const UnitRecordSinks &) = delete;

    // The metrics file held for this station, before anything is fetched or flashed: why not
    // when another running station holds it, else nothing.
    std::optional<QString> claimMetrics();
    // The watch begins: zero counts for the ends a unit of `target` can have, the start time,
    // and the catalogue's expiry when known.
    void begin(const UpdateTarget &target);
    // Whether a unit's end line belongs on the console, on standard error (`toError`) or
    // output: not when that stream is the journal itself and the journal has the unit's
    // entry, which would count every unit twice.
    bool endOnConsole(bool toError) const;
    void unitStarted();
    // A unit's end; a skipped unit never started.
    void unitEnded(const UnitRecord &record);
    // The watch is over: the metrics say so.
    void end();

private:
    void writeMetrics();

    const WatchSettings &m_settings;
    Console &m_console;
    UnitMetrics m_metrics;
    MetricsClaim m_metricsClaim;
    bool m_journalSaid = false;
    bool m_outIsJournal = false;
    bool m_errIsJournal = false;
    bool m_metricsSaid = false;
    QTimer m_heartbeat;
};
