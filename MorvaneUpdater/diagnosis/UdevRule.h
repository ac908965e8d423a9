#pragma once

#include "bootloader/UsbIdentifier.h"
#include "diagnosis/DoctorChecks.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The udev rule that lets a user open the devices' hidraw nodes: the one line per device the
// package installs, and doctor's judgement of the rules installed.

// The rule the package installs.
inline constexpr char udevRuleName[] = "70-morvane-updater.rules";
// Where doctor advises lines of one's own: a name of its own adds to the package's rule, where
// the package's name would mask it, and sorts before 73-seat-late.rules, which turns the
// uaccess tag into access.
inline constexpr char localUdevRulePath[] = "/etc/udev/rules.d/71-morvane-updater-local.rules";

// The package's line for one device: the user at the seat (logind's uaccess tag) and the
// group morvane-bench, which flashing stations run as, may open its hidraw nodes. The package's
// rule file is made from it (packaging/UdevRulesFile.cpp).
QString udevRuleLine(UsbIds ids);

struct RulesFile
{
    QString path;
    QByteArray text;
    // A link to /dev/null, which udev takes as no rules at all under that name.
    bool masked = false;
};

// The rules udev would read: the folders searched, in udev's order, and the files it takes
// from them (a name in an earlier folder hides the same name in a later one).
struct InstalledRules
{
    QStringList folders;
    QList<RulesFile> files;
    // The files udev does not read because one of the same name comes earlier.
    QStringList hidden = {};
};

// The id pairs whose hidraw nodes a rules text opens to someone: a line (continued lines
// joined, comments skipped) that matches SUBSYSTEM=="hidraw", ATTRS{idVendor}=="VID" and
// ATTRS{idProduct}=="PID" (hexadecimal, any letter case) and grants access by
// TAG+="uaccess", MODE= or GROUP=. Values with glob patterns, and rules spread over several
// lines by labels, are not followed.
std::vector<UsbIds> idsGrantedByRules(QByteArrayView rules);

// Nothing for `installed`: this system has no udev. Nothing for `ids`: the catalogue's ids
// are not known (it did not come), so only the rule's presence is judged.
DoctorCheck udevRuleCheck(const std::optional<InstalledRules> &installed,
                          const std::optional<std::vector<UsbIds>> &ids);
