#include "flash/FlashRecord.h"

#include "bootloader/HIDBootloader.h"
#include "bootloader/UsbIdentifier.h"
#include "frame/ExitStatus.h"
#include "update/UpdateMessages.h"

#include <QCryptographicHash>

namespace {

using Status = UpdateOutcome::Status;

QJsonObject withDevice(QJsonObject object, const HidDeviceInfo &device)
{
    object.insert(QStringLiteral("path"), QString::fromStdString(device.path));
    object.insert(QStringLiteral("serial"), QString::fromStdString(device.serialNumber));
    object.insert(QStringLiteral("usbPort"), QString::fromStdString(device.usbPort));
    return object;
}

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

QString hexId(uint16_t id)
{
    return QString::fromStdString(usbIdText(id));
}

// How far the attempt got, as scripts compare it.
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

// Undefined, so that no key is made, when there is no hint.
QJsonValue hintValue(const UpdateOutcome &outcome)
{
    return outcome.hint ? QJsonValue(*outcome.hint) : QJsonValue(QJsonValue::Undefined);
}

} // namespace

QString statusName(UpdateOutcome::Status status)
{
    switch (status) {
    case Status::completed:
        return QStringLiteral("completed");
    case Status::stopped:
        return QStringLiteral("stopped");
    case Status::refused:
        return QStringLiteral("refused");
    case Status::deviceAbsent:
        return QStringLiteral("deviceAbsent");
    case Status::downloadFailed:
        return QStringLiteral("downloadFailed");
    case Status::imageRejected:
        return QStringLiteral("imageRejected");
    case Status::deviceFailed:
        return QStringLiteral("deviceFailed");
    case Status::transferFailed:
        break;
    }
    return QStringLiteral("transferFailed");
}

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

// A stop is told with what became of the device: untouched, or closed at a report boundary.
QString stoppedLine(const UpdateTarget &target, bool transferred)
{
    if (!transferred) {
        return target.item ? QStringLiteral("Stopped: the download of %1 was abandoned; nothing "
                                            "was flashed.")
                                 .arg(target.item->firmwareURL.toUrl().toDisplayString())
                           : QStringLiteral("Stopped: nothing was flashed.");
    }
    return UpdateMessages::updateStopped() +
           QStringLiteral(" The transfer ended at a report boundary and the device was closed; "
                          "it may need a new update.");
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
        with(event(QStringLiteral("started")), {{QStringLiteral("vid"), hexId(device.vendorID)},
                                                {QStringLiteral("pid"), hexId(device.productID)},
                                                {QStringLiteral("model"), target.product},
                                                {QStringLiteral("version"), target.version}}),
        device);
}

double secondsLeft(int percent, qint64 imageBytes)
{
    const auto reports = double(HIDBootloader::imageReportCount(std::size_t(imageBytes)));
    const double left = reports * double(100 - percent) / 100;
    const double seconds = left * double(HIDBootloader::reportDelay.count()) / 1000;
    return double(qRound(seconds * 10)) / 10;
}

QJsonObject progressEvent(const HidDeviceInfo &device, int percent, qint64 imageBytes)
{
    return withDevice(with(event(QStringLiteral("progress")),
                           {{QStringLiteral("percent"), percent},
                            {QStringLiteral("secondsLeft"), secondsLeft(percent, imageBytes)}}),
                      device);
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
    return device ? withDevice(finished, *device) : finished;
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
                 const QString &line)
{
    if (json) {
        console.printJsonLine(finishedEvent(device, outcome, line));
        return;
    }
    const QString shown = label.isEmpty() ? line : label + QStringLiteral(": ") + line;
    if (outcome.status == Status::completed) {
        console.print(shown);
    } else {
        console.printError(shown);
    }
    if (outcome.hint) {
        console.printError(*outcome.hint);
    }
}

QJsonObject logRecord(const UnitAttempt &attempt, const UpdateTarget &target,
                      const ImageFacts &image, const QString &hostName)
{
    return withDevice(
        {{QStringLiteral("time"), attempt.started.toUTC().toString(Qt::ISODateWithMs)},
         {QStringLiteral("host"), hostName},
         {QStringLiteral("vid"), hexId(attempt.device.vendorID)},
         {QStringLiteral("pid"), hexId(attempt.device.productID)},
         {QStringLiteral("model"), target.product},
         {QStringLiteral("version"), target.version},
         {QStringLiteral("sha256"), image.sha256},
         {QStringLiteral("size"), image.size},
         {QStringLiteral("seconds"), qRound(attempt.seconds * 1000) / 1000.0},
         {QStringLiteral("status"), statusName(attempt.outcome.status)},
         {QStringLiteral("line"), attempt.line},
         {QStringLiteral("phase"), phaseName(attempt.outcome.reach.phase)},
         {QStringLiteral("bytesSent"), qint64(attempt.outcome.reach.bytesSent)},
         {QStringLiteral("hint"), hintValue(attempt.outcome)}},
        attempt.device);
}

QJsonObject skippedRecord(const HidDeviceInfo &device, const UpdateTarget &target,
                          const ImageFacts &image, const QString &hostName, const QString &line)
{
    const UnitAttempt attempt{device, QDateTime::currentDateTimeUtc(), 0, {}, line};
    QJsonObject record = logRecord(attempt, target, image, hostName);
    record.insert(QStringLiteral("status"), QStringLiteral("skipped"));
    return record;
}
