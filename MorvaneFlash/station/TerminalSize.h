#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// How much of a terminal the live block of flash --watch may fill.
struct TerminalSize
{
    int rows = 0;
    int columns = 0;
};

// Standard output's terminal's size now; nothing when it is no terminal or does not say.
// Read afresh at each redraw, so that a resized window (SIGWINCH) is followed within one
// redraw without a signal handler.
std::optional<TerminalSize> outputTerminalSize();

// `text` cut from its end to at most `columns` terminal columns (terminalColumns), "…" marking
// the cut.
QString cutToWidth(const QString &text, int columns);
