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

// DEMO ONLY: the key line of the demo key pair, whose secret half ships with the demo. Only
// the demo program trusts it; a production build never does.
QString demoCatalogueKey();

struct DemoDevice
{
    QString name;
    std::shared_ptr<SimulatedBootloaderDevice> device;
};

// Makes a simulated bootloader device for each line of the sample's devices.txt and plugs
// in all but those marked "unplugged" (the D1 Dongle). With a `nodeFolder`, each sits at a
// stand-in node made there (makeStandInNode).
std::vector<DemoDevice> attachDemoDevices(SimulatedHidBackend &hid,
                                          const std::string &nodeFolder = {});
