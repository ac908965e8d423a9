#pragma once

#include "Console.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

// The progress of one or several transfers at once, as the update reports it (each changed
// multiple of 5 per cent). On a terminal each transfer has a bar redrawn on its own line;
// elsewhere each value becomes one plain line; quiet shows nothing.
class ProgressDisplay
{
public:
    enum class Mode
    {
        quiet,
        plain,
        terminal,
    };

    // One label per transfer; a single transfer may have an empty label.
    ProgressDisplay(Console &console, Mode mode, QStringList labels);
    ProgressDisplay(const ProgressDisplay &) = delete;
    ProgressDisplay &operator=(const ProgressDisplay &) = delete;

    void update(std::size_t transfer, int percent);
    void finish();

private:
    QString terminalLine(std::size_t transfer) const;

    Console &m_console;
    const Mode m_mode;
    const QStringList m_labels;
    std::vector<int> m_percent;
};
