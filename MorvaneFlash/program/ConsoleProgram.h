#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class HidBackend;
class HotplugMonitor;

// runMorvaneFlash as a program runs it, for morvane-flash and its demo alike: on the standard
// streams, with progress redrawn when standard output is a terminal that takes control codes,
// images kept where the window keeps them, the session's lock against sleep and its battery
// asked during transfers (openTransferInhibitor), stopped by SIGINT, SIGTERM and SIGHUP, and
// ending with 128 + the signal that stopped it. The two programs differ only in the catalogue,
// its keys and the devices they pass here. Returns the exit status. Needs a QCoreApplication.
int runOnConsole(const QStringList &arguments, HidBackend &hid, const QUrl &listURL,
                 const QString &catalogueKey,
                 std::function<std::unique_ptr<HotplugMonitor>()> hotplugMonitor);

// Ends the process with `status` once runOnConsole has returned, its output flushed, without
// waiting for anything left running: a host-name lookup that a deadline gave up on (doctor's,
// a download's) runs on in Qt's lookup pool until the resolver's own timeout, seconds later,
// and the application's teardown would wait for it. Every file was written and closed before.
[[noreturn]] void endProgram(int status);
