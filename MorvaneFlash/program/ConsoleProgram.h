#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class HidBackend;
class HotplugMonitor;
class TransferInhibitor;

// runMorvaneFlash as a program runs it, for morvane-flash and its demo alike: on the standard
// streams, with progress redrawn when standard output is a terminal that takes control codes,
// images kept where the window keeps them, stopped by SIGINT, SIGTERM and SIGHUP, and ending
// with 128 + the signal that stopped it. Returns the exit status. Needs a QCoreApplication.
int runOnConsole(const QStringList &arguments, HidBackend &hid, const QUrl &listURL,
                 const QString &catalogueKey,
                 std::function<std::unique_ptr<HotplugMonitor>()> hotplugMonitor,
                 std::function<std::unique_ptr<TransferInhibitor>()> transferInhibitor = {});
