#pragma once

#include "bootloader/DeviceWatcher.h"
#include "bootloader/OpenPermissionHelp.h"

#include <QString>
#include <cstdint>
#include <vector>

// What a model row shows of the attached devices that carry one of the model's ids.
struct DeviceMark
{
    int attached = 0;
    // Of those, the devices this user may not open, and the first one's open code.
    int unopenable = 0;
    int32_t openCode = 0;

    bool operator==(const DeviceMark &) const = default;
};

DeviceMark deviceMarkOf(const std::vector<AttachedDevice> &devices, const std::vector<UsbIds> &ids);

// For screen readers and the tooltip: "" with nothing attached, else e.g. "2 devices attached".
QString deviceMarkDescription(const DeviceMark &mark);
// What the pane says after such a device failed to open: the permission help where there is
// one, else the open failure itself. Empty when every attached device may be opened.
QString deviceMarkHelp(const DeviceMark &mark, ManualPage page = ManualPage::named);
