#include "station/MetricsText.h"

#include "flash/FlashRecord.h"

#include <QStringList>

namespace {

using Label = std::pair<QString, QString>;

QString labelSet(const std::vector<Label> &own, const StationTags &tags)
{
    std::vector<Label> all = own;
    if (!tags.station.isEmpty()) {
        all.emplace_back(QStringLiteral("station"), tags.station);
    }
    all.insert(all.end(), tags.labels.begin(), tags.labels.end());
    if (all.empty()) {
        return {};
    }
    QStringList pairs;
    for (const auto &[name, value] : all) {
        pairs.append(name + QStringLiteral("=\"") + prometheusLabelValue(value) + QLatin1Char('"'));
    }
    return QLatin1Char('{') + pairs.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString heading(const char *name, const char *type, const char *help)
{
    return QStringLiteral("# HELP %1 %2\n# TYPE %1 %3\n")
        .arg(QLatin1String(name), QLatin1String(help), QLatin1String(type));
}

} // namespace

void addWatchedSeries(UnitMetrics &metrics, const QString &model, const QString &version)
{
    using Status = UpdateOutcome::Status;
    for (const QString &status :
         {statusName(Status::completed), statusName(Status::deviceFailed),
          statusName(Status::transferFailed), statusName(Status::stopped), skippedStatusName()}) {
        metrics.units.try_emplace({status, model, version}, 0);
    }
}

void countEnd(UnitMetrics &metrics, const UnitRecord &record, qint64 now)
{
    if (!record.skipped) {
        --metrics.inTransfer;
        if (record.outcome.status == UpdateOutcome::Status::completed) {
            metrics.lastSuccess = now;
        }
    }
    ++metrics.units[{unitStatusName(record), record.model, record.version}];
}

QString prometheusLabelValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'"') {
            escaped += QStringLiteral("\\\"");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString metricsText(const UnitMetrics &metrics, const StationTags &tags)
{
    QString text = heading("morvane_flash_units_total", "counter",
                           "Units flash --watch ended, by their log status, model and version.");
    for (const auto &[series, count] : metrics.units) {
        text += QStringLiteral("morvane_flash_units_total") +
                labelSet({{QStringLiteral("status"), series.status},
                          {QStringLiteral("model"), series.model},
                          {QStringLiteral("version"), series.version}},
                         tags) +
                QLatin1Char(' ') + QString::number(count) + QLatin1Char('\n');
    }
    text += heading("morvane_flash_units_in_transfer", "gauge", "Units being flashed now.");
    text += QStringLiteral("morvane_flash_units_in_transfer") + labelSet({}, tags) +
            QLatin1Char(' ') + QString::number(metrics.inTransfer) + QLatin1Char('\n');
    text += heading("morvane_flash_last_success_timestamp_seconds", "gauge",
                    "When the last unit was flashed, in seconds since the epoch.");
    const auto sample = [&](const char *name, qint64 value) {
        text += QLatin1String(name) + labelSet({}, tags) + QLatin1Char(' ') +
                QString::number(value) + QLatin1Char('\n');
    };
    if (metrics.lastSuccess) {
        sample("morvane_flash_last_success_timestamp_seconds", *metrics.lastSuccess);
    }
    text += heading("morvane_flash_watch_up", "gauge",
                    "1 while flash --watch runs, 0 once it has ended.");
    sample("morvane_flash_watch_up", metrics.up ? 1 : 0);
    if (metrics.watchStarted) {
        text += heading("morvane_flash_watch_start_timestamp_seconds", "gauge",
                        "When the watch began, in seconds since the epoch.");
        sample("morvane_flash_watch_start_timestamp_seconds", *metrics.watchStarted);
    }
    if (metrics.catalogueExpires) {
        text += heading("morvane_flash_catalogue_expires_timestamp_seconds", "gauge",
                        "When the catalogue's signature expires, in seconds since the epoch.");
        sample("morvane_flash_catalogue_expires_timestamp_seconds", *metrics.catalogueExpires);
    }
    return text;
}
