#include "bootloader/HidapiBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "language/Translations.h"
#include "program/ConsoleProgram.h"
#include "update/LocalFileName.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Translations translations;
    // As the shell gave them: a file name in another encoding than UTF-8 keeps its bytes.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(fileNameFromBytes(argv[i]));
    }
    HidapiBackend hid;
    endProgram(runOnConsole(
        arguments, hid, QUrl(QStringLiteral(MORVANE_CATALOGUE_BASE_URL "/product/MORVANE_LST.txt")),
        QStringLiteral(MORVANE_CATALOGUE_PUBLIC_KEY), openHotplugMonitor));
}
