#pragma once

#include "bootloader/HidBackend.h"
#include "flash/StationTags.h"
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

// The command's exit status for an update that ended so.
int exitStatusOf(UpdateOutcome::Status status);

// Where a stop found the update, which its line tells: before the image was kept (a download
// under way is abandoned), with the image kept and nothing flashed, or in a transfer, which
// ends at a report boundary.
enum class StopPoint
{
    beforeImage,
    imageKept,
    inTransfer,
};
QString stoppedLine(const UpdateTarget &target, StopPoint point);

// How far an attempt got, as scripts compare it: "none", "opened", "handshake", "transfer".
QString phaseName(TransferReach::Phase phase);

// Which of a device's fields a JSON object names: where it is ("path", "serial", "usbPort"),
// with its USB ids ("vid", "pid"), and with what it calls itself ("manufacturer", "product").
enum class DeviceFields
{
    place,
    withIds,
    all,
};
// `object` with the device's fields: the one rendering of a device in flash --json, the
// bench's log and devices --json.
QJsonObject withDevice(QJsonObject object, const HidDeviceInfo &device, DeviceFields fields);

// The image as a record names it: its SHA-256 in hexadecimal and its size.
struct ImageFacts
{
    QString sha256;
    qint64 size = 0;
};
ImageFacts imageFacts(const QByteArray &image);

QJsonObject startedEvent(const HidDeviceInfo &device, const UpdateTarget &target);
// With the seconds left at the protocol's pace (HIDBootloader::secondsLeft).
QJsonObject progressEvent(const HidDeviceInfo &device, int percent, qint64 imageBytes);
// The finished event of a run refused before any device was looked at: status "refused",
// the line said, and the exit status.
QJsonObject refusedEvent(const QString &line, int exitStatus);
// Without a device when the update ended before any transfer (refused, nothing attached,
// the download failed).
QJsonObject finishedEvent(const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                          const QString &line);
// A device plugged in that a station will judge: flashed, or skipped as back from its restart.
QJsonObject pluggedEvent(const HidDeviceInfo &device);
// What a station's finished event adds: the image's "model" and "version", and the unit's
// "seconds".
QJsonObject unitFields(const QString &model, const QString &version, double seconds);
// The end of flash --watch, with its counts.
QJsonObject summaryEvent(int flashed, int failed, int skipped, int stopped, double seconds);
// A unit of flash --watch back from its restart, not flashed again.
QJsonObject skippedEvent(const HidDeviceInfo &device, const UpdateTarget &target,
                         const QString &line);

// How an update or one transfer of it ended, as the finished event with --json, else as its
// line (after `label` when there is one; on standard error unless completed) and its hint.
// `more` joins the finished event's fields.
void tellOutcome(Console &console, bool json, const QString &label,
                 const std::optional<HidDeviceInfo> &device, const UpdateOutcome &outcome,
                 const QString &line, const QJsonObject &more = {});

// One unit attempted, or left alone by a station: the one value the bench's log line, the
// journal's entry and the metrics are each rendered from.
struct UnitRecord
{
    HidDeviceInfo device = {};
    // The image's, as the target names them.
    QString model = {};
    QString version = {};
    ImageFacts image = {};
    // Its status, hint and how far the transfer got; empty for a skipped unit.
    UpdateOutcome outcome = {};
    // The end as the console tells it.
    QString line = {};
    // Back from its restart and not flashed again.
    bool skipped = false;
    QDateTime started = {};
    double seconds = 0;
    QString host = {};
    StationTags tags = {};
};
// A record of `target`'s image on this host, with the run's station and labels, started now;
// the unit's own facts are the caller's to fill in.
UnitRecord unitRecordOf(const UpdateTarget &target, const ImageFacts &image,
                        const StationTags &tags);
// The record's status as scripts compare it: the outcome's, or "skipped".
QString unitStatusName(const UnitRecord &record);
// The bench log's line: "time" (when the unit started), "host", the device's fields with its
// ids, "model", "version", "sha256", "size", "seconds", "status", "line", "phase",
// "bytesSent", "hint" when there is one, and "station" and "labels" (an object) when given.
QJsonObject logRecord(const UnitRecord &record);
