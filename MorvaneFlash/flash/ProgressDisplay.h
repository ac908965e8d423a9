#pragma once

#include "frame/Console.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstddef>
#include <vector>

// "[##########----------]  50%  1.6 s left": a bar of `width` cells, the percentage and the
// time left at the protocol's pace for an image of `imageBytes` (HIDBootloader's secondsLeft).
QString progressBar(int percent, qint64 imageBytes, int width = 40);
// "1.6 s", "2 min 05 s".
QString durationText(double seconds);
// "1.6 s left", "2 min 05 s left".
QString timeLeftText(double seconds);

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
    ProgressDisplay(Console &console, Mode mode, QStringList labels, qint64 imageBytes);
    ProgressDisplay(const ProgressDisplay &) = delete;
    ProgressDisplay &operator=(const ProgressDisplay &) = delete;

    void update(std::size_t transfer, int percent);
    void finish();

private:
    QString terminalLine(std::size_t transfer) const;

    Console &m_console;
    const Mode m_mode;
    const QStringList m_labels;
    const qint64 m_imageBytes;
    std::vector<int> m_percent;
};

// What a flash run prints: JSON lines (--json), only the outcome (--quiet), or both plain.
struct OutputStyle
{
    bool json = false;
    bool quiet = false;

    // The lines a person reads as the run goes are said.
    bool saysLines() const { return !json && !quiet; }
};

// How the command shows what goes on: nothing with --quiet or --json, redrawn in place where
// the console takes control codes, plain lines elsewhere.
ProgressDisplay::Mode progressModeOf(OutputStyle output, const Console &console);
