#include "station/TerminalSize.h"

#include <QtGlobal>
#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

// The wide ranges of East Asian text that a station's lines can hold (Chinese messages, a
// device's own name); the rest take one column.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

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

int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        width += isWide(c) ? 2 : 1;
    }
    return width;
}

QString cutToWidth(const QString &text, int columns)
{
    if (displayWidth(text) <= columns) {
        return text;
    }
    QString kept;
    int width = 0;
    // One column for the mark.
    for (const char32_t c : text.toUcs4()) {
        const int own = isWide(c) ? 2 : 1;
        if (width + own > columns - 1) {
            break;
        }
        width += own;
        kept += QString::fromUcs4(&c, 1);
    }
    return columns > 0 ? kept + QStringLiteral("…") : QString();
}
