#pragma once

#include "bootloader/HidBackend.h"
#include "frame/Console.h"
#include "update/UpdateOutcome.h"
#include "update/UpdateTarget.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <optional>

// What flash --json prints and what the bench's log keeps: one JSON object per event, the
// same names in both. Every event carries its time ("time", UTC ISO 8601 with milliseconds).

// "completed", "transferFailed", ...: the outcome's status as scripts compare it.
QString statusName(UpdateOutcome::Status status);
// The command's exit status for an update that ended so.
int exitStatusOf(UpdateOutcome::Status status);

// A stop is told with what became of the device: untouched, or closed at a report boundary.
QString stoppedLine(const UpdateTarget &target, bool transferred);

// The image as a record names it: its SHA-256 in hexadecimal and its size.
struct ImageFacts
{
    QString sha256;
    qint64 size = 0;
};
ImageFacts imageFacts(const QByteArray &image);

QJsonObject startedEvent(const HidDeviceInfo &device, const UpdateTarget &target);
// With the seconds left at the protocol's pace: the image's reports still to go, 50 ms each.
QJsonObject progressEvent(const HidDeviceInfo &device, int percent, qint64 imageBytes);
// Seconds left, to a tenth, once `percent` of an image of `imageBytes` has been sent.
double secondsLeft(int percent, qint64 imageBytes);
// Without a device when the update ended before any transfer (refused, nothing attached,
// the download failed).
QJsonObject finishedEvent(const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                          const QString &line);
// The end of flash --watch, with its counts.
QJsonObject summaryEvent(int flashed, int failed, int skipped, int stopped, double seconds);
// A unit of flash --watch back from its restart, not flashed again.
QJsonObject skippedEvent(const HidDeviceInfo &device, const UpdateTarget &target,
                         const QString &line);

// How an update or one transfer of it ended, as the finished event with --json, else as its
// line (after `label` when there is one; on standard error unless completed) and its hint.
void tellOutcome(Console &console, bool json, const QString &label,
                 const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                 const QString &line);

// One unit attempted, as the bench's log keeps it.
struct UnitAttempt
{
    HidDeviceInfo device;
    QDateTime started;
    double seconds = 0;
    UpdateOutcome outcome;
    QString line;
};
QJsonObject logRecord(const UnitAttempt &attempt, const UpdateTarget &target,
                      const ImageFacts &image, const QString &hostName);
// A unit back from its restart and not flashed again: "status":"skipped" and why.
QJsonObject skippedRecord(const HidDeviceInfo &device, const UpdateTarget &target,
                          const ImageFacts &image, const QString &hostName, const QString &line);
