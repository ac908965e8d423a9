#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/TransferReach.h"

#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>

// How an image is written into one device that is already picked (not opened yet). The HID
// bootloader is the one protocol today; another would be one more class behind this.
class FirmwareProtocol
{
public:
    using Progress = std::function<void(int percent)>;

    virtual ~FirmwareProtocol() = default;

    // Opens, writes and closes the device, blocking its thread for the whole transfer; throws
    // BootloaderError, or TransferStopped once `stop` is requested, with `reach` telling how
    // far it got. Calls on different devices may run at once, each on its own thread.
    virtual void flashDevice(HidDevice &device, std::span<const uint8_t> firmware,
                             const Progress &progress, std::stop_token stop,
                             TransferReach &reach) = 0;
};
