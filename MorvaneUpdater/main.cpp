#include "app/AppDelegate.h"
#include "bootloader/HidapiBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "session/TransferInhibitor.h"
#include "ui/ApplicationLaunch.h"
#include "update/FirmwareStore.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    HidapiBackend hid;
    const QUrl listURL(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt"));
    AppDelegate delegate(listURL, hid, defaultFirmwareFolder(),
                         catalogueTrustFromKey(QStringLiteral(MORVANE_CATALOGUE_PUBLIC_KEY)));
    delegate.watchDevices(openHotplugMonitor());
    delegate.useTransferInhibitor(openTransferInhibitor());
    const auto window = applicationDidFinishLaunching(app, delegate);
    return QApplication::exec();
}
