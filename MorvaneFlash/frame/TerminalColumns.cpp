#include "frame/TerminalColumns.h"

#include <QChar>
#include <QList>
#include <QString>

namespace {

// The wide ranges of East Asian text that the program's lines can hold (Chinese messages, a
// device's own name): Hangul Jamo, CJK radicals to Yi, Hangul syllables, CJK compatibility
// ideographs, vertical and CJK compatibility forms, fullwidth forms, and the ideographs beyond
// the basic plane.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE10 && c <= 0xFE19) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

int terminalColumns(char32_t character)
{
    if (isWide(character)) {
        return 2;
    }
    switch (QChar::category(character)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        return 0;
    default:
        return 1;
    }
}

int terminalColumns(QStringView text)
{
    int columns = 0;
    for (const char32_t c : text.toUcs4()) {
        columns += terminalColumns(c);
    }
    return columns;
}
