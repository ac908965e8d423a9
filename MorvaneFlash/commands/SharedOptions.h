#pragma once

#include "bootloader/UsbIdentifier.h"
#include "frame/CommandDeclaration.h"

#include <QString>
#include <optional>

// The options that more than one command takes, each declared once with one explanation.
OptionDeclaration jsonOption();
// --vid and --pid.
OptionDeclaration vidOption();
OptionDeclaration pidOption();
// devices: arrivals and departures; flash: each device as it arrives.
OptionDeclaration watchOption();
// lint and sign: the key a list's signature is checked with.
OptionDeclaration publicKeyOption();

// --vid and --pid, which go together, into `ids`; the problem with them, if any.
std::optional<QString> readIds(const CommandLine &line, std::optional<UsbIds> &ids);
