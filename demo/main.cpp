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
// devices in place of the maker's server and real hardware. The sample catalogue is signed
// and its images carry digests; one of them is wrong on purpose, to show the refusal.
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
    // The demo trusts its own demo-only key; the production program takes its key from the
    // build configuration and never this one.
    AppDelegate delegate(listURL, hid, defaultFirmwareFolder(), demoCatalogueKey());
    const auto window = applicationDidFinishLaunching(app, delegate);
    return QApplication::exec();
}
