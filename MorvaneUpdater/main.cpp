#include "AppDelegate.h"
#include "ApplicationLaunch.h"
#include "FirmwareStore.h"
#include "HidapiBackend.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MorvaneUpdater"));
    QApplication::setApplicationDisplayName(QStringLiteral("Updater"));
    // Lets Wayland desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("morvane-updater"));

    HidapiBackend hid;
    const QUrl listURL(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt"));
    AppDelegate delegate(listURL, hid, defaultFirmwareFolder());
    const auto window = applicationDidFinishLaunching(app, delegate);
    return QApplication::exec();
}
