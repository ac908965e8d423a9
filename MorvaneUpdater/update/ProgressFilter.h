#pragma once

#include <optional>

// Thins the transfer's progress calls out before they cross to the GUI thread: each
// multiple of 5 (0 and 100 included) passes once; repeats and other values are dropped.
class ProgressFilter
{
public:
    std::optional<int> accept(int percent);

private:
    int m_lastReported = -1;
};
