#include "Console.h"
#include "ExitStatus.h"
#include "InterruptSignal.h"
#include "MorvaneFlash.h"
#include "bootloader/HidapiBackend.h"
#include "bootloader/UdevMonitor.h"
#include "update/FirmwareStore.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InterruptSignal interrupt;
    HidapiBackend hid;
    QTextStream out(stdout);
    QTextStream err(stderr);
    Environment environment{
        hid,
        out,
        err,
        QUrl(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt")),
        defaultFirmwareFolder(),
        QStringLiteral(MORVANE_CATALOGUE_PUBLIC_KEY),
        takesControlCodes(isatty(STDOUT_FILENO) == 1, std::getenv("TERM"), std::getenv("NO_COLOR")),
        interrupt.token(),
        openUdevMonitor,
    };
    const int status = runMorvaneFlash(QCoreApplication::arguments(), environment);
    return status == exitInterrupted ? interrupt.stoppedStatus() : status;
}
