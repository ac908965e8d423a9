#include "AppDelegate.h"
#include "ApplicationLaunch.h"
#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "FirmwareStore.h"
#include "SimulatedHidBackend.h"

#include <QApplication>
#include <QUrl>
#include <cstdio>
#include <exception>

// The updater as a user sees it, with the catalogue server on 127.0.0.1 and simulated
// devices in place of the maker's server and real hardware.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    CatalogueServer server;
    SimulatedHidBackend hid;
    try {
        publishDemoCatalogue(server);
        attachDemoDevices(hid);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "morvane-updater-demo: %s\n", error.what());
        return 1;
    }

    const QUrl listURL(QString::fromStdString(server.url("/product/MORVANE_LST.txt")));
    AppDelegate delegate(listURL, hid, defaultFirmwareFolder());
    const auto window = applicationDidFinishLaunching(app, delegate);
    return QApplication::exec();
}
