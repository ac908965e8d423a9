#pragma once

#include "bootloader/UsbIdentifier.h"
#include "frame/CommandDeclaration.h"

#include <QString>
#include <QStringList>
#include <optional>

// The options that more than one command takes, each declared once with one explanation.
OptionDeclaration jsonOption();
// --vid and --pid.
OptionDeclaration vidOption();
OptionDeclaration pidOption();
// devices: arrivals and departures; flash: each device as it arrives.
OptionDeclaration watchOption();
// flash and devices: --port PATTERN, repeatable.
OptionDeclaration portOption();
// lint and sign: the key a list's signature is checked with.
OptionDeclaration publicKeyOption();

// --vid and --pid, which go together, into `ids`; the problem with them, if any.
std::optional<QString> readIds(const CommandLine &line, std::optional<UsbIds> &ids);
// Each --port's pattern into `ports`; the problem with them, if any.
std::optional<QString> readPorts(const CommandLine &line, QStringList &ports);
