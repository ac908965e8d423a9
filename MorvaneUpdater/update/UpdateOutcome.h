#pragma once

#include "bootloader/TransferReach.h"

#include <QString>
#include <optional>

// How one update, or one device's transfer of it, ended. Both programs show `line` (and
// `hint` below it); the command line also turns `status` into its exit status.
struct UpdateOutcome
{
    enum class Status
    {
        completed,
        // Asked to stop: nothing was flashed, or the transfer ended at a report boundary.
        stopped,
        // The record may not be flashed; decided before anything was fetched.
        refused,
        // No device with the record's identifiers when the update began.
        deviceAbsent,
        // The image could not be fetched or kept.
        downloadFailed,
        // The image is not the one the catalogue's digest names.
        imageRejected,
        // The transfer could not find or open its device.
        deviceFailed,
        // The handshake or the image stream failed.
        transferFailed,
    };

    Status status = Status::completed;
    QString line;
    // What the user can do about it: the permission help after an open that was not allowed.
    std::optional<QString> hint = {};
    // How far the device's transfer got; none when it was never opened.
    TransferReach reach = {};
};

// "completed", "transferFailed", ...: the status as scripts compare it, the same in flash
// --json, the bench's log, the journal and the metrics.
QString statusName(UpdateOutcome::Status status);
// A station's unit back from its restart and left alone: a record's status, never an update's.
QString skippedStatusName();
