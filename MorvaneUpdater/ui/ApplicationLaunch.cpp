#include "ApplicationLaunch.h"

#include "AppDelegate.h"
#include "Appearance.h"

#include <QApplication>

std::unique_ptr<MainWindow> applicationDidFinishLaunching(QApplication &app, AppDelegate &delegate)
{
    applyLightAppearance(app);
    app.setQuitOnLastWindowClosed(true);
    std::unique_ptr<MainWindow> window = buildWindow(delegate);
    delegate.fetchFirmwareList();
    return window;
}
