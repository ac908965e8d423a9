#include "AppDelegate.h"
#include "ApplicationLaunch.h"
#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "FirmwareStore.h"
#include "SimulatedHidBackend.h"

#include <QApplication>
#include <QUrl>

// The updater as a user sees it, with the catalogue server on 127.0.0.1 and simulated
// devices in place of the maker's server and real hardware.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MorvaneUpdater"));
    QApplication::setApplicationDisplayName(QStringLiteral("Updater"));

    CatalogueServer server;
    publishDemoCatalogue(server);
    SimulatedHidBackend hid;
    attachDemoDevices(hid);

    const QUrl listURL(QString::fromStdString(server.url("/product/MORVANE_LST.txt")));
    AppDelegate delegate(listURL, hid, defaultFirmwareFolder());
    const auto window = applicationDidFinishLaunching(app, delegate);
    return QApplication::exec();
}
