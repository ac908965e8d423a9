#include "ProgramOptions.h"

#include <QString>

namespace {

QCommandLineOption hiddenOption(const QString &name, const QString &valueName)
{
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

QList<QCommandLineOption> programOptions(const QUrl &listURL)
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")},
        {QStringLiteral("version"),
         QStringLiteral("Shows the version, the build's catalogue address and its key.")},
        {QStringLiteral("catalogue"),
         QStringLiteral("The list file's address instead of the build's (%1).")
             .arg(listURL.toString()),
         QStringLiteral("URL")},
        {QStringLiteral("json"), QStringLiteral("Prints JSON.")},
        {QStringLiteral("vid"), QStringLiteral("USB vendor id, hexadecimal."), QStringLiteral("V")},
        {QStringLiteral("pid"), QStringLiteral("USB product id, hexadecimal."),
         QStringLiteral("P")},
        {QStringLiteral("file"), QStringLiteral("Flashes this image file instead of a download."),
         QStringLiteral("IMAGE")},
        {QStringLiteral("sha256"),
         QStringLiteral("flash --file: the image's SHA-256, 64 hexadecimal digits; a file that "
                        "does not match is not flashed. A build with a catalogue key needs it."),
         QStringLiteral("HEX")},
        {QStringLiteral("all-devices"),
         QStringLiteral("Flashes every attached device with the ids, each on its own thread.")},
        {QStringLiteral("ignore-battery"),
         QStringLiteral("Flashes even on a battery below 10% (by default refused).")},
        {QStringLiteral("quiet"), QStringLiteral("Prints only the outcome.")},
        {QStringLiteral("serial"),
         QStringLiteral("flash: only the device with this serial number."), QStringLiteral("S")},
        {QStringLiteral("path"), QStringLiteral("flash: only the device at this path."),
         QStringLiteral("P")},
        {QStringLiteral("wait"),
         QStringLiteral("flash: waits for a matching device, downloading meanwhile; "
                        "--wait=SECONDS gives up after that long.")},
        {QStringLiteral("watch"),
         QStringLiteral("devices: tells arrivals and departures until stopped. flash: flashes "
                        "every matching device as it is plugged in, until stopped.")},
        {QStringLiteral("log"),
         QStringLiteral("flash: appends a JSON line for every device attempted to this file."),
         QStringLiteral("FILE")},
        {QStringLiteral("settle"),
         QStringLiteral("flash --watch: seconds a flashed device has to come back, by its serial "
                        "number or port, to be known again (default 5)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("fetch"),
         QStringLiteral("lint: also downloads every notes text and image and checks them.")},
        {QStringLiteral("public-key"),
         QStringLiteral("lint: checks the list's signature with this minisign public key."),
         QStringLiteral("KEY")},
        {QStringLiteral("root"),
         QStringLiteral("doctor: reads the udev rules under this folder instead of /, for "
                        "tests."),
         QStringLiteral("DIR")},
        // --wait=SECONDS becomes --wait --wait-seconds SECONDS before parsing: the parser's
        // options take a value always or never.
        hiddenOption(QStringLiteral("wait-seconds"), QStringLiteral("SECONDS")),
    };
}
