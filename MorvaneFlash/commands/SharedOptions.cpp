#include "commands/SharedOptions.h"

#include <QRegularExpression>

OptionDeclaration jsonOption()
{
    return {QStringLiteral("json"), QStringLiteral("Prints JSON.")};
}

OptionDeclaration vidOption()
{
    return {QStringLiteral("vid"), QStringLiteral("USB vendor id, hexadecimal."),
            QStringLiteral("V")};
}

OptionDeclaration pidOption()
{
    return {QStringLiteral("pid"), QStringLiteral("USB product id, hexadecimal."),
            QStringLiteral("P")};
}

OptionDeclaration watchOption()
{
    return {QStringLiteral("watch"),
            QStringLiteral("devices: tells arrivals and departures until stopped. flash: flashes "
                           "every matching device as it is plugged in, until stopped.")};
}

OptionDeclaration portOption()
{
    OptionDeclaration port = {
        QStringLiteral("port"),
        QStringLiteral("flash, devices: only devices at a USB port this shell-style pattern "
                       "matches, such as 1-1.*; repeatable."),
        QStringLiteral("PATTERN")};
    port.repeatable = true;
    return port;
}

OptionDeclaration publicKeyOption()
{
    return {
        QStringLiteral("public-key"),
        QStringLiteral("lint, sign: checks the list's signature with this minisign public key."),
        QStringLiteral("KEY"), Completion::file};
}

std::optional<QString> readIds(const CommandLine &line, std::optional<UsbIds> &ids)
{
    if (line.isSet("vid") != line.isSet("pid")) {
        return QStringLiteral("--vid and --pid go together.");
    }
    if (line.isSet("vid")) {
        // As the manual says: 1 to 4 digits, however many leading zeros the reader would take.
        static const QRegularExpression digits(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
        if (!digits.match(line.value("vid")).hasMatch() ||
            !digits.match(line.value("pid")).hasMatch()) {
            return QStringLiteral("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
        ids = usbIdsOf(line.value("vid").toStdString(), line.value("pid").toStdString());
        if (!ids) {
            return QStringLiteral("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
    }
    return std::nullopt;
}

std::optional<QString> readPorts(const CommandLine &line, QStringList &ports)
{
    ports = line.values("port");
    if (ports.contains(QString())) {
        return QStringLiteral("--port takes a pattern over the USB port path, such as 1-1.*.");
    }
    return std::nullopt;
}
