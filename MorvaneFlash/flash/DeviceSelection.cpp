#include "flash/DeviceSelection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DeviceSelection)
};

} // namespace

bool DeviceSelector::accepts(const HidDeviceInfo &device) const
{
    return (!serial || QString::fromStdString(device.serialNumber) == *serial) &&
           (!path || QString::fromStdString(device.path) == *path) && portMatches(ports, device);
}

bool portMatches(const QStringList &patterns, const HidDeviceInfo &device)
{
    const QString port = QString::fromStdString(device.usbPort);
    return patterns.isEmpty() ||
           std::any_of(patterns.begin(), patterns.end(), [&](const QString &pattern) {
               return QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive)
                   .match(port)
                   .hasMatch();
           });
}

std::vector<HidDeviceInfo> matchingDevices(const std::vector<HidDeviceInfo> &attached, UsbIds ids,
                                           const DeviceSelector &selector)
{
    std::vector<HidDeviceInfo> found;
    for (const HidDeviceInfo &device : attached) {
        if (UsbIds{device.vendorID, device.productID} == ids && selector.accepts(device)) {
            found.push_back(device);
        }
    }
    return found;
}

QString deviceString(const std::string &text)
{
    QString shown = QString::fromStdString(text);
    for (QChar &c : shown) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

QString deviceDescription(const HidDeviceInfo &device)
{
    QStringList known;
    if (!device.serialNumber.empty()) {
        known.append(Texts::tr("serial %1").arg(deviceString(device.serialNumber)));
    }
    if (!device.usbPort.empty()) {
        known.append(Texts::tr("port %1").arg(deviceString(device.usbPort)));
    }
    const QString path = deviceString(device.path);
    return known.isEmpty()
               ? path
               : Texts::tr("%1 (%2)", "a device's path, then its serial and port")
                     .arg(path, known.join(Texts::tr(", ", "between a device's details")));
}

namespace {

QString withDevices(QString text, const std::vector<HidDeviceInfo> &devices)
{
    for (const HidDeviceInfo &device : devices) {
        text += QStringLiteral("\n  ") + deviceDescription(device);
    }
    return text;
}

} // namespace

QString ambiguousChoice(const QString &product, const std::vector<HidDeviceInfo> &candidates)
{
    return withDevices(Texts::tr("%n devices match %1; choose one with --serial or --path, or "
                                 "flash them all with --all-devices:",
                                 nullptr, int(candidates.size()))
                           .arg(product),
                       candidates);
}

QString unmatchedChoice(const QString &product, const std::vector<HidDeviceInfo> &attached)
{
    const QString text =
        attached.size() == 1
            ? Texts::tr("No %1 attached has that serial number or path; this one is attached:")
            : Texts::tr("No %1 attached has that serial number or path; these %n are attached:",
                        nullptr, int(attached.size()));
    return withDevices(text.arg(product), attached);
}
