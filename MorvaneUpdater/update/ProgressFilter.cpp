#include "update/ProgressFilter.h"

std::optional<int> ProgressFilter::accept(int percent)
{
    if (percent == m_lastReported) {
        return std::nullopt;
    }
    m_lastReported = percent;
    if (percent % 5 != 0) {
        return std::nullopt;
    }
    return percent;
}
