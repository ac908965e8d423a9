#include "app/AppDelegate.h"
#include "bootloader/HidapiBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "language/Translations.h"
#include "trust/CatalogueTrust.h"
#include "ui/ApplicationLaunch.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Translations translations;
    HidapiBackend hid;
    const QUrl listURL(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt"));
    const auto delegate = composeUpdater(
        listURL, hid, catalogueTrustFromKey(QStringLiteral(MORVANE_CATALOGUE_PUBLIC_KEY)),
        openHotplugMonitor());
    const auto window = applicationDidFinishLaunching(app, *delegate);
    return QApplication::exec();
}
