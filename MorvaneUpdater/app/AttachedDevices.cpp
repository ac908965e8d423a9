#include "app/AttachedDevices.h"

#include <QMetaObject>
#include <algorithm>

AttachedDevices::AttachedDevices(HidBackend &hid, std::unique_ptr<HotplugMonitor> monitor,
                                 QObject *parent)
    : QObject(parent)
{
    m_watcher = std::make_unique<DeviceWatcher>(
        hid, std::move(monitor), [this](const DeviceWatcher::Change &change) {
            QMetaObject::invokeMethod(
                this, [this, change] { apply(change); }, Qt::QueuedConnection);
        });
}

AttachedDevices::~AttachedDevices()
{
    // No report may start once this object is half gone; those already posted go with it.
    m_watcher.reset();
}

void AttachedDevices::watch(std::vector<UsbIds> ids)
{
    m_watcher->watch(std::move(ids));
}

void AttachedDevices::apply(const DeviceWatcher::Change &change)
{
    const std::string &path = change.device.info.path;
    std::erase_if(m_devices,
                  [&](const AttachedDevice &device) { return device.info.path == path; });
    if (change.kind == DeviceWatcher::Change::Kind::arrived) {
        m_devices.push_back(change.device);
    }
    emit changed();
}
