#include "program/ConsoleProgram.h"

#include "frame/Console.h"
#include "frame/ExitStatus.h"
#include "program/InterruptSignal.h"
#include "program/MorvaneFlash.h"
#include "session/TransferInhibitor.h"
#include "trust/CatalogueTrust.h"
#include "update/FirmwareStore.h"

#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int runOnConsole(const QStringList &arguments, HidBackend &hid, const QUrl &listURL,
                 const QString &catalogueKey,
                 std::function<std::unique_ptr<HotplugMonitor>()> hotplugMonitor)
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
        catalogueTrustFromKey(catalogueKey),
        takesControlCodes(isatty(STDOUT_FILENO) == 1, std::getenv("TERM"), std::getenv("NO_COLOR")),
        interrupt.token(),
        std::move(hotplugMonitor),
        openTransferInhibitor,
        isatty(STDIN_FILENO) == 1,
        [] {
            QTextStream in(stdin);
            const QString line = in.readLine();
            return line.isNull() ? std::nullopt : std::optional<QString>(line);
        },
        interrupt.transferStopToken(),
        [&interrupt] { interrupt.drainOnStop(); },
    };
    const int status = runMorvaneFlash(arguments, environment);
    return status == exitInterrupted ? interrupt.stoppedStatus() : status;
}

void endProgram(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}
