#include "app/DeviceMark.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenFailureHelp.h"

#include <algorithm>

DeviceMark deviceMarkOf(const std::vector<AttachedDevice> &devices, const std::vector<UsbIds> &ids)
{
    DeviceMark mark;
    for (const AttachedDevice &device : devices) {
        if (std::find(ids.begin(), ids.end(),
                      UsbIds{device.info.vendorID, device.info.productID}) == ids.end()) {
            continue;
        }
        ++mark.attached;
        if (!device.mayOpen() && mark.unopenable++ == 0) {
            mark.openCode = device.openCode;
        }
    }
    return mark;
}

QString deviceMarkDescription(const DeviceMark &mark)
{
    if (mark.attached == 0) {
        return {};
    }
    const QString attached = mark.attached == 1
                                 ? QStringLiteral("Device attached")
                                 : QStringLiteral("%1 devices attached").arg(mark.attached);
    if (mark.unopenable == 0) {
        return attached;
    }
    if (mark.attached == 1) {
        return attached + QStringLiteral(", but this user may not open it");
    }
    return attached + QStringLiteral(", %1 of them this user may not open").arg(mark.unopenable);
}

QString deviceMarkHelp(const DeviceMark &mark, ManualPage page)
{
    if (mark.unopenable == 0) {
        return {};
    }
    if (const std::optional<std::string> help = openPermissionHelp(mark.openCode, page)) {
        return QString::fromStdString(*help);
    }
    return QString::fromStdString(BootloaderError::openFailed(mark.openCode).errorDescription());
}
