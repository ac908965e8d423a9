#pragma once

class CatalogueServer;
class SimulatedHidBackend;

// Publishes the sample catalogue (list file, release notes, firmware images) on `server`,
// with every address in the list pointing back at it.
void publishDemoCatalogue(CatalogueServer &server);

// Plugs in a simulated bootloader device for each id pair the sample lists.
void attachDemoDevices(SimulatedHidBackend &hid);
