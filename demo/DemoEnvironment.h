#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class CatalogueServer;
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

// Plugs in a simulated bootloader device for each id pair the sample lists.
void attachDemoDevices(SimulatedHidBackend &hid);
