#pragma once

#include "bootloader/BootloaderError.h"
#include "bootloader/FirmwareProtocol.h"
#include "bootloader/HidBackend.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stop_token>
#include <string_view>

// Flashes a firmware image into a HID bootloader: discovery, handshake, then the padded
// image as paced 64-byte output reports. Blocks its thread for the whole transfer.
class HIDBootloader final : public FirmwareProtocol
{
public:
    static constexpr std::size_t reportSize = 64;
    static constexpr std::size_t pageChunkSize = 1024;
    static constexpr uint8_t handshakePrefix[4] = {0x5A, 0xC3, 0x1E, 0x7B};
    static constexpr uint8_t defaultVersionBytes[3] = {0x02, 0x00, 0x02};
    static constexpr std::chrono::milliseconds reportDelay{50};
    static constexpr std::chrono::milliseconds responseTimeout{3000};
    static constexpr std::chrono::milliseconds runLoopSlice{20};

    explicit HIDBootloader(HidBackend &backend);

    // How many image reports an image of this size is streamed in, once padded to pages.
    static std::size_t imageReportCount(std::size_t imageBytes);
    // Seconds left, to a tenth, once `percent` of an image of `imageBytes` has been sent, at
    // the protocol's pace: the image's reports still to go, reportDelay each.
    static double secondsLeft(int percent, std::size_t imageBytes);

    // Throws BootloaderError; every path after opening closes the device again.
    // A stop request ends the transfer at the next report boundary (or the next slice of a
    // response wait) with TransferStopped; a report is never cut in half.
    void flash(std::span<const uint8_t> firmware, std::string_view vid, std::string_view pid,
               const Progress &progress, std::stop_token stop = {});

    // The transfer of flash() on a device that the caller has already picked (not opened
    // yet): open, handshake, image, close. Calls on different devices may run at once, each
    // on its own thread.
    void flashDevice(HidDevice &device, std::span<const uint8_t> firmware, const Progress &progress,
                     std::stop_token stop, TransferReach &reach) override;

    // The first attached device with these identifiers, not opened; nothing when none.
    std::unique_ptr<HidDevice> findDevice(int64_t vendorID, int64_t productID);

private:
    HidBackend &m_backend;
};
