#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "DeviceControlWindow.h"
#include "MeasuredRun.h"
#include "SimulatedHidBackend.h"
#include "app/AppDelegate.h"
#include "language/Translations.h"
#include "trust/CatalogueTrust.h"
#include "ui/ApplicationLaunch.h"

#include <QApplication>
#include <QCoreApplication>
#include <QUrl>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(UpdaterDemoMain)
};

// 1024 reports, about 51 seconds of paced transfer.
constexpr int measuredImageSize = 64 * 1024;
} // namespace

// The updater as a user sees it, with the catalogue server on 127.0.0.1 and simulated
// devices in place of the maker's server and real hardware. The sample catalogue is signed
// and its images carry digests; one of them is wrong on purpose, to show the refusal.
// With --measure it runs unattended for scripts/measure-startup (see MeasuredRun.h).
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Translations translations;

    const QStringList options = QCoreApplication::arguments().mid(1);
    const bool measured = options == QStringList{QStringLiteral("--measure")};
    if (!options.isEmpty() && !measured) {
        std::fprintf(stderr, "%s\n",
                     Texts::tr("usage: morvane-updater-demo [--measure]").toUtf8().constData());
        return 2;
    }

    CatalogueServer server;
    SimulatedHidBackend hid;
    std::vector<DemoDevice> devices;
    try {
        publishDemoCatalogue(
            server, measured ? std::optional<QByteArray>(QByteArray(measuredImageSize, '\x5A'))
                             : std::nullopt);
        devices = attachDemoDevices(hid, demoNodeFolder());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "morvane-updater-demo: %s\n", error.what());
        return 1;
    }

    const QUrl listURL(QString::fromStdString(server.url("/product/MORVANE_LST.txt")));
    // The demo trusts its own demo-only key; the production program takes its key from the
    // build configuration and never this one. The simulator tells of its plugs at once, as
    // udev does of real devices.
    const auto delegate = composeUpdater(listURL, hid, catalogueTrustFromKey(demoCatalogueKey()),
                                         hid.hotplugMonitor());
    if (measured) {
        startMeasuredRun(*delegate);
    }
    const auto window = applicationDidFinishLaunching(app, *delegate);
    // Not in a measured run: its figures stay comparable with the updater's own.
    std::unique_ptr<DeviceControlWindow> controls;
    if (!measured) {
        controls = std::make_unique<DeviceControlWindow>(hid, devices);
        controls->move(window->frameGeometry().topRight() + QPoint(16, 0));
        controls->show();
    }
    return QApplication::exec();
}
