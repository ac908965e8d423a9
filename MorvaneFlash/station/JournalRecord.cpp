#include "station/JournalRecord.h"

#include "flash/DeviceSelection.h"
#include "flash/FlashRecord.h"
#include "flash/StationTags.h"
#include "frame/Console.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(JournalRecord)
};

// syslog's levels, as the journal keeps them.
constexpr int priorityError = 3;
constexpr int priorityWarning = 4;
constexpr int priorityInfo = 6;

// Values pass through the console's filter: `journalctl -o cat` prints them as they are.
QByteArray field(const char *name, const QString &value)
{
    return QByteArray(name) + '=' + terminalSafe(value).toUtf8();
}

int priorityOf(UnitEnd end)
{
    switch (end) {
    case UnitEnd::failed:
        return priorityError;
    case UnitEnd::stopped:
        return priorityWarning;
    case UnitEnd::completed:
    case UnitEnd::skipped:
        break;
    }
    return priorityInfo;
}

// The fields that name the unit, its image and the station, each when it is not empty.
void addTagFields(QList<QByteArray> &fields, const UnitRecord &record)
{
    const auto add = [&](const QByteArray &name, const QString &value) {
        if (!value.isEmpty()) {
            fields.append(name + '=' + terminalSafe(deviceString(value.toStdString())).toUtf8());
        }
    };
    const HidDeviceInfo &device = record.device;
    for (const auto &[name, value] :
         {std::pair{"MORVANE_SERIAL", device.serialNumber},
          std::pair{"MORVANE_PORT", device.usbPort}, std::pair{"MORVANE_PATH", device.path}}) {
        add(name, QString::fromStdString(value));
    }
    for (const auto &[name, value] :
         {std::pair{"MORVANE_MODEL", record.model}, std::pair{"MORVANE_VERSION", record.version},
          std::pair{"MORVANE_IMAGE_SHA256", record.image.sha256},
          std::pair{"MORVANE_STATUS", unitStatusName(record)},
          std::pair{"MORVANE_STATION", record.tags.station}}) {
        add(name, value);
    }
    // In the order of their keys, as the log's object keeps them.
    std::vector<std::pair<QString, QString>> labels = record.tags.labels;
    std::sort(labels.begin(), labels.end());
    for (const auto &[key, value] : labels) {
        add(journalLabelPrefix + key.toUpper().toLatin1(), value);
    }
}

} // namespace

UnitEnd unitEndOf(const UnitRecord &record)
{
    if (record.skipped) {
        return UnitEnd::skipped;
    }
    if (record.outcome.status == UpdateOutcome::Status::completed) {
        return UnitEnd::completed;
    }
    return record.outcome.status == UpdateOutcome::Status::stopped ? UnitEnd::stopped
                                                                   : UnitEnd::failed;
}

QByteArray messageIdOf(UnitEnd end)
{
    switch (end) {
    case UnitEnd::completed:
        return QByteArrayLiteral("df46f57e5de047f09a54641abc72ef77");
    case UnitEnd::failed:
        return QByteArrayLiteral("17df66b69d4c4be18997ba1960fb62e2");
    case UnitEnd::stopped:
        return QByteArrayLiteral("2c19f783d8cc458a85e0cb7fd9f022fc");
    case UnitEnd::skipped:
        break;
    }
    return QByteArrayLiteral("3734cbb590f64ad4ac7ed7b1abbcc28b");
}

QList<QByteArray> journalFields(const UnitRecord &record)
{
    const UnitEnd end = unitEndOf(record);
    QList<QByteArray> fields = {
        field("MESSAGE", Texts::tr("%1: %2", "a device, then its outcome")
                             .arg(deviceDescription(record.device), record.line)),
        field("PRIORITY", QString::number(priorityOf(end))),
        "MESSAGE_ID=" + messageIdOf(end),
        "SYSLOG_IDENTIFIER=morvane-flash",
    };
    addTagFields(fields, record);
    // What the log's line has besides: how far the unit got, in how long, and what to do.
    if (!record.skipped) {
        fields.append(field("MORVANE_PHASE", phaseName(record.outcome.reach.phase)));
        fields.append(field("MORVANE_BYTES_SENT", QString::number(record.outcome.reach.bytesSent)));
        fields.append(field("MORVANE_SECONDS", QString::number(record.seconds, 'f', 3)));
    }
    if (record.outcome.hint) {
        fields.append(field("MORVANE_HINT", *record.outcome.hint));
    }
    return fields;
}
