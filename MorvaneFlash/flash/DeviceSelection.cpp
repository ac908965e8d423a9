#include "flash/DeviceSelection.h"

#include <QRegularExpression>
#include <algorithm>

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
        known.append(QStringLiteral("serial ") + deviceString(device.serialNumber));
    }
    if (!device.usbPort.empty()) {
        known.append(QStringLiteral("port ") + deviceString(device.usbPort));
    }
    const QString path = deviceString(device.path);
    return known.isEmpty()
               ? path
               : path + QStringLiteral(" (") + known.join(QStringLiteral(", ")) + QLatin1Char(')');
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
    return withDevices(QStringLiteral("%1 devices match %2; choose one with --serial or --path, "
                                      "or flash them all with --all-devices:")
                           .arg(candidates.size())
                           .arg(product),
                       candidates);
}

QString unmatchedChoice(const QString &product, const std::vector<HidDeviceInfo> &attached)
{
    return withDevices(QStringLiteral("No %1 attached has that serial number or path; %2 "
                                      "attached:")
                           .arg(product)
                           .arg(attached.size() == 1
                                    ? QStringLiteral("this one is")
                                    : QStringLiteral("these %1 are").arg(attached.size())),
                       attached);
}
