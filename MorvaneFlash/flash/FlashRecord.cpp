#include "flash/FlashRecord.h"

#include "bootloader/HIDBootloader.h"
#include "bootloader/UsbIdentifier.h"
#include "frame/ExitStatus.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSysInfo>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FlashRecord)
};

using Status = UpdateOutcome::Status;

// Every event starts here, so that none goes out without its time.
QJsonObject event(const QString &name)
{
    return {{QStringLiteral("event"), name},
            {QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}};
}

QJsonObject with(QJsonObject object, std::initializer_list<std::pair<QString, QJsonValue>> values)
{
    for (const auto &[key, value] : values) {
        object.insert(key, value);
    }
    return object;
}

} // namespace

QString phaseName(TransferReach::Phase phase)
{
    switch (phase) {
    case TransferReach::Phase::opened:
        return QStringLiteral("opened");
    case TransferReach::Phase::handshake:
        return QStringLiteral("handshake");
    case TransferReach::Phase::transfer:
        return QStringLiteral("transfer");
    case TransferReach::Phase::none:
        break;
    }
    return QStringLiteral("none");
}

namespace {

// Undefined, so that no key is made, when there is no hint.
QJsonValue hintValue(const UpdateOutcome &outcome)
{
    return outcome.hint ? QJsonValue(*outcome.hint) : QJsonValue(QJsonValue::Undefined);
}

} // namespace

int exitStatusOf(UpdateOutcome::Status status)
{
    switch (status) {
    case Status::completed:
        return exitSuccess;
    case Status::stopped:
        return exitInterrupted;
    case Status::refused:
    case Status::imageRejected:
        return exitIntegrity;
    case Status::deviceAbsent:
    case Status::deviceFailed:
        return exitDevice;
    case Status::downloadFailed:
        return exitCatalogue;
    case Status::transferFailed:
        break;
    }
    return exitTransfer;
}

QString stoppedLine(const UpdateTarget &target, StopPoint point)
{
    switch (point) {
    case StopPoint::beforeImage:
        if (target.item) {
            return Texts::tr("Stopped: the download of %1 was abandoned; nothing was flashed.")
                .arg(target.item->firmwareURL.toUrl().toDisplayString());
        }
        break;
    case StopPoint::imageKept:
        break;
    case StopPoint::inTransfer:
        return UpdateMessages::updateStopped() + QLatin1Char(' ') +
               Texts::tr("The transfer ended at a report boundary and the device was closed; it "
                         "may need a new update.");
    }
    return Texts::tr("Stopped: nothing was flashed.");
}

QJsonObject withDevice(QJsonObject object, const HidDeviceInfo &device, DeviceFields fields)
{
    const auto text = [](const std::string &value) {
        return QString::fromStdString(value);
    };
    object.insert(QStringLiteral("path"), text(device.path));
    object.insert(QStringLiteral("serial"), text(device.serialNumber));
    object.insert(QStringLiteral("usbPort"), text(device.usbPort));
    if (fields != DeviceFields::place) {
        object.insert(QStringLiteral("vid"), text(usbIdText(device.vendorID)));
        object.insert(QStringLiteral("pid"), text(usbIdText(device.productID)));
    }
    if (fields == DeviceFields::all) {
        object.insert(QStringLiteral("manufacturer"), text(device.manufacturer));
        object.insert(QStringLiteral("product"), text(device.product));
    }
    return object;
}

ImageFacts imageFacts(const QByteArray &image)
{
    return {
        QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex()),
        image.size()};
}

QJsonObject startedEvent(const HidDeviceInfo &device, const UpdateTarget &target)
{
    return withDevice(
        with(event(QStringLiteral("started")), {{QStringLiteral("model"), target.product},
                                                {QStringLiteral("version"), target.version}}),
        device, DeviceFields::withIds);
}

QJsonObject progressEvent(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return withDevice(with(event(QStringLiteral("progress")),
                           {{QStringLiteral("percent"), percent},
                            {QStringLiteral("secondsLeft"),
                             HIDBootloader::secondsLeft(percent, std::size_t(imageBytes))}}),
                      device, DeviceFields::place);
}

QJsonObject summaryEvent(int flashed, int failed, int skipped, int stopped, double seconds)
{
    return with(event(QStringLiteral("summary")),
                {{QStringLiteral("flashed"), flashed},
                 {QStringLiteral("failed"), failed},
                 {QStringLiteral("skipped"), skipped},
                 {QStringLiteral("stopped"), stopped},
                 {QStringLiteral("seconds"), qRound(seconds * 10) / 10.0}});
}

QJsonObject refusedEvent(const QString &line, int exitStatus)
{
    return with(event(QStringLiteral("finished")),
                {{QStringLiteral("status"), QStringLiteral("refused")},
                 {QStringLiteral("line"), line},
                 {QStringLiteral("phase"), QStringLiteral("none")},
                 {QStringLiteral("bytesSent"), 0},
                 {QStringLiteral("exitStatus"), exitStatus}});
}

QJsonObject finishedEvent(const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                          const QString &line)
{
    const QJsonObject finished =
        with(event(QStringLiteral("finished")),
             {{QStringLiteral("status"), statusName(outcome.status)},
              {QStringLiteral("line"), line},
              {QStringLiteral("phase"), phaseName(outcome.reach.phase)},
              {QStringLiteral("bytesSent"), qint64(outcome.reach.bytesSent)},
              {QStringLiteral("hint"), hintValue(outcome)}});
    return device ? withDevice(finished, *device, DeviceFields::place) : finished;
}

QJsonObject pluggedEvent(const HidDeviceInfo &device)
{
    return withDevice(event(QStringLiteral("plugged")), device, DeviceFields::withIds);
}

QJsonObject unitFields(const QString &model, const QString &version, double seconds)
{
    return {{QStringLiteral("model"), model},
            {QStringLiteral("version"), version},
            {QStringLiteral("seconds"), qRound(seconds * 1000) / 1000.0}};
}

QJsonObject skippedEvent(const HidDeviceInfo &device, const UpdateTarget &target,
                         const QString &line)
{
    QJsonObject skipped = startedEvent(device, target);
    skipped.insert(QStringLiteral("event"), QStringLiteral("skipped"));
    skipped.insert(QStringLiteral("line"), line);
    return skipped;
}

void tellOutcome(Console &console, bool json, const QString &label,
                 const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                 const QString &line, const QJsonObject &more)
{
    if (json) {
        QJsonObject finished = finishedEvent(device, outcome, line);
        for (auto field = more.begin(); field != more.end(); ++field) {
            finished.insert(field.key(), field.value());
        }
        console.printJsonLine(finished);
        return;
    }
    const QString shown =
        label.isEmpty() ? line
                        : Texts::tr("%1: %2", "a device's label, then its line").arg(label, line);
    if (outcome.status == Status::completed) {
        console.print(shown);
    } else {
        console.printError(shown);
    }
    if (outcome.hint) {
        console.printError(*outcome.hint);
    }
}

UnitRecord unitRecordOf(const UpdateTarget &target, const ImageFacts &image,
                        const StationTags &tags)
{
    return {.model = target.product,
            .version = target.version,
            .image = image,
            .started = QDateTime::currentDateTimeUtc(),
            .host = QSysInfo::machineHostName(),
            .tags = tags};
}

QString unitStatusName(const UnitRecord &record)
{
    return record.skipped ? skippedStatusName() : statusName(record.outcome.status);
}

QJsonObject logRecord(const UnitRecord &record)
{
    QJsonObject line =
        withDevice({{QStringLiteral("time"), record.started.toUTC().toString(Qt::ISODateWithMs)},
                    {QStringLiteral("host"), record.host},
                    {QStringLiteral("model"), record.model},
                    {QStringLiteral("version"), record.version},
                    {QStringLiteral("sha256"), record.image.sha256},
                    {QStringLiteral("size"), record.image.size},
                    {QStringLiteral("seconds"), qRound(record.seconds * 1000) / 1000.0},
                    {QStringLiteral("status"), unitStatusName(record)},
                    {QStringLiteral("line"), record.line},
                    {QStringLiteral("phase"), phaseName(record.outcome.reach.phase)},
                    {QStringLiteral("bytesSent"), qint64(record.outcome.reach.bytesSent)},
                    {QStringLiteral("hint"), hintValue(record.outcome)}},
                   record.device, DeviceFields::withIds);
    if (!record.tags.station.isEmpty()) {
        line.insert(QStringLiteral("station"), record.tags.station);
    }
    if (!record.tags.labels.empty()) {
        QJsonObject labels;
        for (const auto &[key, value] : record.tags.labels) {
            labels.insert(key, value);
        }
        line.insert(QStringLiteral("labels"), labels);
    }
    return line;
}
