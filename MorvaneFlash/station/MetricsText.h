#pragma once

#include "flash/StationTags.h"

#include <QString>
#include <QtGlobal>
#include <map>
#include <optional>
#include <tuple>

struct UnitRecord;

// What a station's metrics file tells Prometheus, through node_exporter's textfile collector.
struct UnitMetrics
{
    struct Series
    {
        QString status;
        QString model;
        QString version;

        bool operator<(const Series &other) const
        {
            return std::tie(status, model, version) <
                   std::tie(other.status, other.model, other.version);
        }
    };
    // Units ended, as their log records' status, model and version name them.
    std::map<Series, qint64> units;
    int inTransfer = 0;
    // When the last unit was flashed, in seconds since the epoch; none yet, no sample.
    std::optional<qint64> lastSuccess;
    // When the watch began, in seconds since the epoch, and whether it still runs.
    std::optional<qint64> watchStarted;
    bool up = false;
    // When the catalogue's signature expires; none when it does not say.
    std::optional<qint64> catalogueExpires;
};

// Zero counts for each end a watched unit of this model and version can have, so that every
// series is there before its first unit.
void addWatchedSeries(UnitMetrics &metrics, const QString &model, const QString &version);
// A unit's end, `now` seconds since the epoch: counted in its record's series, out of the
// units in transfer (a skipped unit never started), and the last success when it was one.
void countEnd(UnitMetrics &metrics, const UnitRecord &record, qint64 now);

// The metrics in Prometheus's text exposition format, each with its # HELP and # TYPE:
// morvane_flash_units_total (a counter per status, model and version),
// morvane_flash_units_in_transfer and morvane_flash_last_success_timestamp_seconds (gauges),
// morvane_flash_watch_up (1 while the watch runs, 0 once it ended),
// morvane_flash_watch_start_timestamp_seconds and
// morvane_flash_catalogue_expires_timestamp_seconds (gauges, when known), every sample
// labelled with the station and the run's labels.
QString metricsText(const UnitMetrics &metrics, const StationTags &tags);

// `value` as a label value between double quotes: backslash, double quote and line feed
// escaped, as the format asks.
QString prometheusLabelValue(const QString &value);
