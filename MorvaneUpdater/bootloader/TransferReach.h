#pragma once

#include <cstddef>

// How far one transfer got, kept up to date as it goes, so that whatever ends it, its caller
// can tell which step the device saw last.
struct TransferReach
{
    enum class Phase
    {
        // The device was never opened.
        none,
        // Opened; the handshake did not complete.
        opened,
        // The bootloader answered the handshake; no image report has gone yet.
        handshake,
        // Image reports went out: bytesSent of the padded image.
        transfer,
    };

    Phase phase = Phase::none;
    // Bytes of the padded image in reports the device took.
    std::size_t bytesSent = 0;
};
