#pragma once

#include "ui/MainWindow.h"

#include <memory>

class AppDelegate;
class QApplication;

// What happens once the application object exists: its name, the light look, the window, then the
// catalogue download. Closing the window ends the application.
std::unique_ptr<MainWindow> applicationDidFinishLaunching(QApplication &app, AppDelegate &delegate);
