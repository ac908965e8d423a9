#pragma once

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <string_view>
#include <vector>

// What a stand-in for a C library keeps: every call made to it, in order and with what was
// passed (a `Call` names its function in `function`), and the faults a test told it to show.
// Safe from any thread.
template <typename Call, typename Faults> class CallRecorder
{
public:
    // Records the call and hands out the faults in force.
    Faults record(Call call)
    {
        const std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
        return m_faults;
    }

    void setFaults(const Faults &faults)
    {
        const std::lock_guard lock(m_mutex);
        m_faults = faults;
    }

    // No calls, no faults.
    void reset()
    {
        const std::lock_guard lock(m_mutex);
        m_calls.clear();
        m_faults = {};
    }

    std::vector<Call> calls() const
    {
        const std::lock_guard lock(m_mutex);
        return m_calls;
    }

    std::size_t count(std::string_view function) const
    {
        const std::lock_guard lock(m_mutex);
        return std::size_t(std::count_if(m_calls.begin(), m_calls.end(), [&](const Call &call) {
            return call.function == function;
        }));
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Call> m_calls;
    Faults m_faults = {};
};
