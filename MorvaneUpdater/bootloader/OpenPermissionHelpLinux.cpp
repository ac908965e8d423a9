#include "bootloader/OpenPermissionHelp.h"

#include <QCoreApplication>
#include <cerrno>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OpenPermissionHelp)
};

} // namespace

std::optional<std::string> openPermissionHelp(int32_t openCode, ManualPage page)
{
    if (openCode != EACCES && openCode != EPERM) {
        return std::nullopt;
    }
    if (page == ManualPage::omitted) {
        return Texts::tr("No permission to open the device: the udev rule 70-morvane-updater.rules "
                         "that the package installs grants it once the device is unplugged and "
                         "plugged in again; morvane-flash doctor tells what stands in the way.")
            .toStdString();
    }
    return Texts::tr(
               "No permission to open the device: the udev rule 70-morvane-updater.rules that "
               "the package installs grants it once the device is unplugged and plugged in "
               "again; morvane-flash doctor tells what stands in the way (man morvane-flash, "
               "section PERMISSIONS).")
        .toStdString();
}

bool leftTheBusCode(int32_t code)
{
    return code == ENODEV || code == ENXIO || code == EPIPE || code == ESHUTDOWN;
}
