#include "app/DeviceMark.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenFailureHelp.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DeviceMark)
};

} // namespace

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
    if (mark.unopenable == 0) {
        return mark.attached == 1 ? Texts::tr("Device attached")
                                  : Texts::tr("%1 devices attached").arg(mark.attached);
    }
    if (mark.attached == 1) {
        return Texts::tr("Device attached, but this user may not open it");
    }
    return Texts::tr("%1 devices attached, %2 of them this user may not open")
        .arg(mark.attached)
        .arg(mark.unopenable);
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
