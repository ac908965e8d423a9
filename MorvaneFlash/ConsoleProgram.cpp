#include "ConsoleProgram.h"

#include "Console.h"
#include "ExitStatus.h"
#include "InterruptSignal.h"
#include "MorvaneFlash.h"
#include "update/FirmwareStore.h"

#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int runOnConsole(const QStringList &arguments, HidBackend &hid, const QUrl &listURL,
                 const QString &catalogueKey,
                 std::function<std::unique_ptr<HotplugMonitor>()> hotplugMonitor,
                 std::function<std::unique_ptr<TransferInhibitor>()> transferInhibitor)
{
    InterruptSignal interrupt;
    QTextStream out(stdout);
    QTextStream err(stderr);
    Environment environment{
        hid,
        out,
        err,
        listURL,
        defaultFirmwareFolder(),
        catalogueKey,
        takesControlCodes(isatty(STDOUT_FILENO) == 1, std::getenv("TERM"), std::getenv("NO_COLOR")),
        interrupt.token(),
        std::move(hotplugMonitor),
        std::move(transferInhibitor),
        isatty(STDIN_FILENO) == 1,
    };
    const int status = runMorvaneFlash(arguments, environment);
    return status == exitInterrupted ? interrupt.stoppedStatus() : status;
}
