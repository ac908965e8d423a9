#pragma once

#include <QString>
#include <optional>

// A station's hold on its metrics file, so that two stations never write one file's series
// over each other. Held until it is destroyed, and let go by the system when the process ends
// however it ends, so that a station that died never blocks the next.
class MetricsClaim
{
public:
    MetricsClaim() = default;
    ~MetricsClaim();
    MetricsClaim(const MetricsClaim &) = delete;
    MetricsClaim &operator=(const MetricsClaim &) = delete;

    // Claims `file` (its absolute path): why not when another running station holds it, else
    // nothing. Where the system has no way to tell, every claim succeeds.
    std::optional<QString> claim(const QString &file);

private:
    int m_handle = -1;
};
