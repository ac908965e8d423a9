#include "ui/ApplicationLaunch.h"

#include "app/AppDelegate.h"
#include "ui/Appearance.h"

#include <QApplication>

std::unique_ptr<MainWindow> applicationDidFinishLaunching(QApplication &app, AppDelegate &delegate)
{
    QApplication::setApplicationName(QStringLiteral("MorvaneUpdater"));
    QApplication::setApplicationDisplayName(QStringLiteral("Updater"));
    // Lets Wayland desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("morvane-updater"));
    applyLightAppearance(app);
    app.setQuitOnLastWindowClosed(true);
    std::unique_ptr<MainWindow> window = buildWindow(delegate);
    delegate.fetchFirmwareList();
    return window;
}
