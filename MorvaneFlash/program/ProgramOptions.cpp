#include "program/ProgramOptions.h"

#include "frame/Invocation.h"

#include <QString>

namespace {

QCommandLineOption hiddenOption(const QString &name, const QString &valueName)
{
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

const QStringList &globalOptionNames()
{
    static const QStringList names = {QStringLiteral("catalogue"), QStringLiteral("bundle")};
    return names;
}

QList<QCommandLineOption> programOptions(const QUrl &listURL)
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")},
        {QStringLiteral("version"),
         QStringLiteral("Shows the version, the build's catalogue address and its keys.")},
        {QStringLiteral("catalogue"),
         QStringLiteral("The list file's address instead of the build's (%1).")
             .arg(listURL.toString()),
         QStringLiteral("URL")},
        {QStringLiteral("bundle"),
         QStringLiteral("Reads the list, its signature, notes and images from this folder, made "
                        "by bundle create, and nothing from the network."),
         QStringLiteral("DIR")},
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
        {QStringLiteral("station"),
         QStringLiteral("flash: names this bench in every log line, journal entry and metric."),
         QStringLiteral("NAME")},
        {QStringLiteral("label"),
         QStringLiteral("flash: adds KEY=VALUE (an operator, a lot) to every log line, journal "
                        "entry and metric; repeatable."),
         QStringLiteral("KEY=VALUE")},
        {QStringLiteral("journal"),
         QStringLiteral("flash --watch: sends each unit's record to the systemd journal.")},
        {QStringLiteral("metrics"),
         QStringLiteral("flash --watch: keeps this node_exporter textfile (*.prom) of the "
                        "units' counts."),
         QStringLiteral("FILE")},
        {QStringLiteral("port"),
         QStringLiteral("flash, devices: only devices at a USB port this shell-style pattern "
                        "matches, such as 1-1.*; repeatable."),
         QStringLiteral("PATTERN")},
        {QStringLiteral("drain-timeout"),
         QStringLiteral("flash --watch: how long the first stop signal lets the units in "
                        "transfer finish (default: until they have)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("fetch"),
         QStringLiteral("lint: also downloads every notes text and image and checks them.")},
        {QStringLiteral("public-key"),
         QStringLiteral("lint, sign: checks the list's signature with this minisign public key."),
         QStringLiteral("KEY")},
        {QStringLiteral("secret-key"),
         QStringLiteral("sign: signs with this minisign secret key file."), QStringLiteral("KEY")},
        {QStringLiteral("expires"),
         QStringLiteral("sign: days until the signed list expires (default %1).")
             .arg(defaultExpiresDays),
         QStringLiteral("DAYS")},
        {QStringLiteral("root"),
         QStringLiteral("doctor: reads the udev rules under this folder instead of /, for "
                        "tests."),
         QStringLiteral("DIR")},
        // --wait=SECONDS becomes --wait --wait-seconds SECONDS before parsing: the parser's
        // options take a value always or never.
        hiddenOption(QStringLiteral("wait-seconds"), QStringLiteral("SECONDS")),
    };
}
