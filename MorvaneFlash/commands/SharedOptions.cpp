#include "commands/SharedOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SharedOptions)
};

} // namespace

OptionDeclaration jsonOption()
{
    return {QStringLiteral("json"), Texts::tr("Prints JSON.")};
}

OptionDeclaration vidOption()
{
    return {QStringLiteral("vid"), Texts::tr("USB vendor id, hexadecimal."), QStringLiteral("V")};
}

OptionDeclaration pidOption()
{
    return {QStringLiteral("pid"), Texts::tr("USB product id, hexadecimal."), QStringLiteral("P")};
}

OptionDeclaration watchOption()
{
    return {QStringLiteral("watch"),
            Texts::tr("devices: tells arrivals and departures until stopped. flash: flashes "
                      "every matching device as it is plugged in, until stopped.")};
}

OptionDeclaration portOption()
{
    OptionDeclaration port = {
        QStringLiteral("port"),
        Texts::tr("flash, devices: only devices at a USB port this shell-style pattern "
                  "matches, such as 1-1.*; repeatable."),
        QStringLiteral("PATTERN")};
    port.repeatable = true;
    return port;
}

OptionDeclaration publicKeyOption()
{
    return {QStringLiteral("public-key"),
            Texts::tr("lint, sign: checks the list's signature with this minisign public key."),
            QStringLiteral("KEY"), Completion::file};
}

std::optional<QString> readIds(const CommandLine &line, std::optional<UsbIds> &ids)
{
    if (line.isSet("vid") != line.isSet("pid")) {
        return Texts::tr("--vid and --pid go together.");
    }
    if (line.isSet("vid")) {
        // As the manual says: 1 to 4 digits, however many leading zeros the reader would take.
        static const QRegularExpression digits(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
        if (!digits.match(line.value("vid")).hasMatch() ||
            !digits.match(line.value("pid")).hasMatch()) {
            return Texts::tr("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
        ids = usbIdsOf(line.value("vid").toStdString(), line.value("pid").toStdString());
        if (!ids) {
            return Texts::tr("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
    }
    return std::nullopt;
}

std::optional<QString> readPorts(const CommandLine &line, QStringList &ports)
{
    ports = line.values("port");
    if (ports.contains(QString())) {
        return Texts::tr("--port takes a pattern over the USB port path, such as 1-1.*.");
    }
    return std::nullopt;
}
