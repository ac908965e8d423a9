#pragma once

#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareItem.h"
#include "catalogue/ModelIndex.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What one update writes and into which devices.
struct UpdateTarget
{
    // Named in the update's messages.
    QString product;
    QString version;
    // The devices' ids; nothing when the catalogue wrote ids that no device can carry.
    std::optional<UsbIds> ids;
    // A catalogue record: refused or fetched, checked and kept before any transfer.
    // Absent, `image` is flashed as it is.
    std::optional<FirmwareItem> item;
    QByteArray image;
    // When the catalogue's signature expires, in seconds since 1970; none when unsigned or
    // without an expiry.
    std::optional<qint64> listExpires = {};
};

inline UpdateTarget updateTargetOf(const FirmwareItem &item)
{
    return {item.product, item.version, usbIdsOf(item), item, {}};
}
