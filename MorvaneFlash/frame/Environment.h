#pragma once

#include "trust/CatalogueTrust.h"

#include <QString>
#include <QTextStream>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>

class HidBackend;
class HotplugMonitor;
class TransferInhibitor;

// Everything the command takes from the world it runs in, so that tests can run it against
// simulated devices, a loopback server and captured output.
struct Environment
{
    HidBackend &hid;
    QTextStream &out;
    QTextStream &err;
    // The catalogue address the build fixed; --catalogue overrides it.
    QUrl listURL;
    // Where downloaded images are kept, as the window keeps them.
    QString firmwareFolder;
    // The build's catalogue keys, read once (catalogueTrustFromKey); none: catalogues are taken
    // unsigned.
    CatalogueTrust catalogueTrust;
    // Progress is redrawn in place on a terminal that takes control codes (takesControlCodes)
    // and printed as plain lines elsewhere.
    bool outTakesControlCodes = false;
    // Requested by Ctrl-C, SIGTERM or SIGHUP: a transfer ends at the next report boundary (but
    // a station's, see stopInTransfer), a download is aborted.
    std::stop_token stop;
    // What tells of devices coming and going (the udev monitor; the simulator's notices). Null,
    // or a monitor that is null, and the bus is enumerated once a second instead.
    std::function<std::unique_ptr<HotplugMonitor>()> hotplugMonitor = {};
    // What keeps the machine awake while a device is written (logind). Unset, nothing is
    // asked; set but giving none, the command says once that nothing does.
    std::function<std::unique_ptr<TransferInhibitor>()> transferInhibitor = {};
    // Standard input is a terminal: sign may let minisign ask for a key's password there.
    bool inIsTerminal = false;
    // One line typed on standard input, when it is a terminal (a question's answer); nothing
    // at its end.
    std::function<std::optional<QString>()> readAnswer = {};
    // A station drains on the first stop request: its units in transfer finish. This is
    // requested by the next signal, and stops them at a report boundary.
    std::stop_token stopInTransfer = {};
    // Called by a station as it starts watching, so that a second signal requests
    // stopInTransfer rather than ending the program; unset, nothing is called.
    std::function<void()> drainOnStop = {};
};
