#include "DeviceSelection.h"

bool DeviceSelector::accepts(const HidDeviceInfo &device) const
{
    return (!serial || QString::fromStdString(device.serialNumber) == *serial) &&
           (!path || QString::fromStdString(device.path) == *path);
}

DeviceSelector deviceSelectorOf(const Invocation &invocation)
{
    return {invocation.serial, invocation.path};
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

QString deviceDescription(const HidDeviceInfo &device)
{
    QStringList known;
    if (!device.serialNumber.empty()) {
        known.append(QStringLiteral("serial ") + QString::fromStdString(device.serialNumber));
    }
    if (!device.usbPort.empty()) {
        known.append(QStringLiteral("port ") + QString::fromStdString(device.usbPort));
    }
    const QString path = QString::fromStdString(device.path);
    return known.isEmpty()
               ? path
               : path + QStringLiteral(" (") + known.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString ambiguousChoice(const QString &product, const std::vector<HidDeviceInfo> &candidates)
{
    QString text = QStringLiteral("%1 devices match %2; choose one with --serial or --path, or "
                                  "flash them all with --all-devices:")
                       .arg(candidates.size())
                       .arg(product);
    for (const HidDeviceInfo &device : candidates) {
        text += QStringLiteral("\n  ") + deviceDescription(device);
    }
    return text;
}
