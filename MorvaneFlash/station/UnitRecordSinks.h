#pragma once

#include "station/MetricsText.h"

class Console;
struct UnitRecord;
struct UpdateTarget;
struct WatchSettings;

// Where flash --watch tells each unit's end besides its log: the systemd journal (--journal)
// and a node_exporter textfile (--metrics FILE), rewritten whole after each change. Neither
// stops the run when it fails: the failure is said once on standard error, and the log stays
// the record. Told from the watch's own thread only.
class UnitRecordSinks
{
public:
    UnitRecordSinks(const WatchSettings &settings, Console &console);
    UnitRecordSinks(const UnitRecordSinks &) = delete;
    UnitRecordSinks &operator=(const UnitRecordSinks &) = delete;

    // The watch begins: zero counts for the ends a unit of `target` can have.
    void begin(const UpdateTarget &target);
    void unitStarted();
    // A unit's end; a skipped unit never started.
    void unitEnded(const UnitRecord &record);
    // The watch is over.
    void end();

private:
    void writeMetrics();

    const WatchSettings &m_settings;
    Console &m_console;
    UnitMetrics m_metrics;
    bool m_journalSaid = false;
    bool m_metricsSaid = false;
};
