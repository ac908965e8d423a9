#pragma once

#include "catalogue/FirmwareItem.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What one update writes and into which device.
struct UpdateTarget
{
    // Named in the update's messages.
    QString product;
    QString version;
    // The device's identifiers, as the catalogue writes them (hexadecimal texts).
    QString vid;
    QString pid;
    // A catalogue record: refused or downloaded, checked and kept before the transfer.
    // Absent, `image` is flashed as it is.
    std::optional<FirmwareItem> item;
    QByteArray image;
};

inline UpdateTarget updateTargetOf(const FirmwareItem &item)
{
    return {item.product, item.version, item.vid, item.pid, item, {}};
}
