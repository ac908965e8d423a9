#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string>
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
// in all but those marked "unplugged" (the D1 Dongle). With a node folder, their paths are
// files there (SimulatedBootloaderDevice::Behaviour::nodeFolder).
std::vector<DemoDevice> attachDemoDevices(SimulatedHidBackend &hid,
                                          const std::string &nodeFolder = {});

// The folder the demo programs' simulated devices keep their nodes in, made when missing:
// "morvane-simulator" in the user's runtime folder ($XDG_RUNTIME_DIR). Two demo programs
// whose devices have the same path lock one node, as two programs writing one real device do.
std::string demoNodeFolder();
