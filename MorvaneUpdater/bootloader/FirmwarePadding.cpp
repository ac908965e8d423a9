#include "bootloader/FirmwarePadding.h"

std::vector<uint8_t> padFirmware(std::span<const uint8_t> image, std::size_t pageSize)
{
    std::vector<uint8_t> padded(image.begin(), image.end());
    if (pageSize == 0) {
        return padded;
    }
    const std::size_t remainder = image.size() % pageSize;
    if (remainder != 0) {
        padded.resize(image.size() + (pageSize - remainder), 0x00);
    }
    return padded;
}

int transferProgress(std::size_t end, std::size_t total)
{
    if (total == 0 || end >= total) {
        return 100;
    }
    // Images live in memory, so end * 100 stays far below the range of std::size_t.
    return static_cast<int>(end * 100 / total);
}
