#pragma once

#include "ui/MainWindow.h"

#include <QString>
#include <QUrl>
#include <memory>

class AppDelegate;
struct CatalogueTrust;
class HidBackend;
class HotplugMonitor;
class QApplication;

// The window's controller as the program composes it, for the updater and its demo alike: the
// catalogue at `listURL` trusted under `catalogueKey`, images kept in the default folder, the
// devices of `hid` watched through `monitor`, and the session's lock against sleep and its
// battery asked during transfers (openTransferInhibitor). The two programs differ only in what
// they pass here.
std::unique_ptr<AppDelegate> composeUpdater(const QUrl &listURL, HidBackend &hid,
                                            const CatalogueTrust &catalogueTrust,
                                            std::unique_ptr<HotplugMonitor> monitor);

// What happens once the application object exists: its name, the light look, the window, then the
// catalogue download. Closing the window ends the application.
std::unique_ptr<MainWindow> applicationDidFinishLaunching(QApplication &app, AppDelegate &delegate);
