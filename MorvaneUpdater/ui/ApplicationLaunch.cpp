#include "ui/ApplicationLaunch.h"

#include "app/AppDelegate.h"
#include "bootloader/HotplugMonitor.h"
#include "session/TransferInhibitor.h"
#include "ui/Appearance.h"
#include "update/FirmwareStore.h"

#include <QApplication>

std::unique_ptr<AppDelegate> composeUpdater(const QUrl &listURL, HidBackend &hid,
                                            const CatalogueTrust &catalogueTrust,
                                            std::unique_ptr<HotplugMonitor> monitor)
{
    auto delegate =
        std::make_unique<AppDelegate>(listURL, hid, defaultFirmwareFolder(), catalogueTrust);
    delegate->watchDevices(std::move(monitor));
    delegate->useTransferInhibitor(openTransferInhibitor());
    return delegate;
}

std::unique_ptr<MainWindow> applicationDidFinishLaunching(QApplication &app, AppDelegate &delegate)
{
    QApplication::setApplicationName(QStringLiteral("MorvaneUpdater"));
    QApplication::setApplicationDisplayName(MainWindow::title());
    // Lets Wayland desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("morvane-updater"));
    applyLightAppearance(app);
    app.setQuitOnLastWindowClosed(true);
    std::unique_ptr<MainWindow> window = buildWindow(delegate);
    delegate.fetchFirmwareList();
    return window;
}
