#include "bootloader/HidapiBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "program/ConsoleProgram.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    HidapiBackend hid;
    endProgram(
        runOnConsole(QCoreApplication::arguments(), hid,
                     QUrl(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt")),
                     QStringLiteral(MORVANE_CATALOGUE_PUBLIC_KEY), openHotplugMonitor));
}
