#include "DeviceControlWindow.h"

#include "SimulatedHidBackend.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

DeviceControlWindow::DeviceControlWindow(SimulatedHidBackend &hid,
                                         const std::vector<DemoDevice> &devices, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Demo devices"));
    // Plugging a device in by a click leaves the keyboard focus, and what screen readers take
    // for it, in the updater's window, as a real plug does; nor does the window take it when
    // it first appears.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    // Closing the updater's window still ends the demo.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        tr("Simulated devices (demo only).\nTick to plug one in, untick to unplug it."), this);
    layout->addWidget(intro);
    for (const DemoDevice &demo : devices) {
        const auto &device = demo.device;
        auto *plugged =
            new QCheckBox(demo.name + QStringLiteral("  (%1:%2)")
                                          .arg(device->vendorID(), 4, 16, QLatin1Char('0'))
                                          .arg(device->productID(), 4, 16, QLatin1Char('0')),
                          this);
        plugged->setChecked(hid.isAttached(device));
        connect(plugged, &QCheckBox::toggled, this, [&hid, device](bool on) {
            if (on) {
                hid.attach(device);
            } else {
                hid.detach(device);
            }
        });
        layout->addWidget(plugged);
    }
    layout->addStretch();
}
