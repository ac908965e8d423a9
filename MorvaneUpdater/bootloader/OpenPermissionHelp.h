#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the user can do about a device that is attached but may not be opened: on Linux a
// hidraw node that denies access (EACCES or EPERM). Nothing for every other code, and
// nothing on other platforms. Shown on the line after the error's own message, by the window
// and by morvane-flash alike; it points at the manual page's PERMISSIONS section, which the
// package installs (the README is not), except where the reader is told to leave the page out.
// One file per platform: OpenPermissionHelpLinux.cpp, OpenPermissionHelpOther.cpp.
enum class ManualPage
{
    named,
    // The window's tooltip: its user is helped by re-plugging, not by a manual page.
    omitted,
};
std::optional<std::string> openPermissionHelp(int32_t openCode,
                                              ManualPage page = ManualPage::named);

// The platform's part of leftTheBus (OpenFailureHelp.h): its own codes for a device gone.
bool leftTheBusCode(int32_t code);
