#include "station/MetricsClaim.h"

// Without Linux's abstract sockets there is no claim that the system frees with the process;
// the operator keeps the stations' files apart.
std::optional<QString> MetricsClaim::claim(const QString &)
{
    return std::nullopt;
}

MetricsClaim::~MetricsClaim() = default;
