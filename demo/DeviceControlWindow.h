#pragma once

#include "DemoEnvironment.h"

#include <QWidget>
#include <vector>

class SimulatedHidBackend;

// DEMO ONLY, never in the production program: a small window with a plug/unplug switch for
// each simulated device, so that a user can plug one in and watch the updater mark it.
class DeviceControlWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceControlWindow)

public:
    DeviceControlWindow(SimulatedHidBackend &hid, const std::vector<DemoDevice> &devices,
                        QWidget *parent = nullptr);
};
