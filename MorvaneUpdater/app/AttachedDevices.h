#pragma once

#include "bootloader/DeviceWatcher.h"

#include <QObject>
#include <memory>
#include <vector>

class HidBackend;
class HotplugMonitor;

// The attached devices with watched ids, kept on the GUI thread. The device watcher reports
// on its own thread; each change comes here as a queued call with this object as its
// context, so none is delivered once this object has gone, and the watcher itself stops
// before anything else here does.
class AttachedDevices final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttachedDevices)

public:
    // `monitor` may be null: the watcher then enumerates once a second.
    AttachedDevices(HidBackend &hid, std::unique_ptr<HotplugMonitor> monitor,
                    QObject *parent = nullptr);
    ~AttachedDevices() override;

    DeviceWatcher::Mode mode() const { return m_watcher->mode(); }
    void watch(std::vector<UsbIds> ids);
    // In order of arrival.
    const std::vector<AttachedDevice> &devices() const { return m_devices; }

signals:
    void changed();

private:
    void apply(const DeviceWatcher::Change &change);

    std::vector<AttachedDevice> m_devices;
    std::unique_ptr<DeviceWatcher> m_watcher;
};
