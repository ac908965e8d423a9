#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The image followed by zero bytes up to a whole number of pages; unchanged when it
// already is one (the empty image included).
std::vector<uint8_t> padFirmware(std::span<const uint8_t> image, std::size_t pageSize = 1024);

// The percentage reported after the report that ends at `end` of `total` bytes, truncated.
int transferProgress(std::size_t end, std::size_t total);
