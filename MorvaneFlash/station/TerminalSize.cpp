#include "station/TerminalSize.h"

#include "frame/TerminalColumns.h"

#include <QtGlobal>
#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <unistd.h>
#endif

std::optional<TerminalSize> outputTerminalSize()
{
#ifdef Q_OS_UNIX
    winsize size = {};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
        return TerminalSize{size.ws_row, size.ws_col};
    }
#endif
    return std::nullopt;
}

QString cutToWidth(const QString &text, int columns)
{
    if (terminalColumns(text) <= columns) {
        return text;
    }
    QString kept;
    int width = 0;
    // One column for the mark.
    for (const char32_t c : text.toUcs4()) {
        const int own = terminalColumns(c);
        if (width + own > columns - 1) {
            break;
        }
        width += own;
        kept += QString::fromUcs4(&c, 1);
    }
    return columns > 0 ? kept + QStringLiteral("…") : QString();
}
