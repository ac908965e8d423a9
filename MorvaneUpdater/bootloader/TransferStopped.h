#pragma once

#include <exception>

// Thrown by HIDBootloader::flash when its caller asked it to stop. Deliberately not a
// BootloaderError: the device did nothing wrong, the user (or the program) chose to end
// the transfer, and callers report that differently.
class TransferStopped final : public std::exception
{
public:
    const char *what() const noexcept override { return "The transfer was stopped."; }
};
