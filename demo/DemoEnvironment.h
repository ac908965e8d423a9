#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class CatalogueServer;
class SimulatedBootloaderDevice;
class SimulatedHidBackend;

// Publishes the sample catalogue (list file, its signature, release notes, firmware images)
// on `server`, with every address in the list pointing back at it. The list names the
// server's address, so it is signed here, as its publisher would, with the demo key.
// `firstImage`, when given, replaces the first listed version's image, and its digest in the
// list, before signing: a measured run sends that one to the device.
void publishDemoCatalogue(CatalogueServer &server,
                          const std::optional<QByteArray> &firstImage = std::nullopt);

// DEMO ONLY: the demo's keys, as the programs take them: the active one, which signs the
// sample, then the standby one (demo/keys/demo-standby.*), so that a key rotation can be tried.
// Both secret halves ship with the demo. Only the demo programs trust them; a production
// build never does.
QString demoCatalogueKey();

struct DemoDevice
{
    QString name;
    std::shared_ptr<SimulatedBootloaderDevice> device;
};

// Makes a simulated bootloader device for each line of the sample's devices.txt and plugs
// in all but those marked "unplugged" (the D1 Dongle).
std::vector<DemoDevice> attachDemoDevices(SimulatedHidBackend &hid);
