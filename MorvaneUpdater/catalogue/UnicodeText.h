#pragma once

#include <QString>
#include <QStringView>

// Both sets are tested once per character of the list file, so they are defined here to be
// inlined.

// Line-end characters: LF, VT, FF, CR, NEL, U+2028, U+2029.
inline bool isNewline(char32_t c)
{
    return (c >= 0x000A && c <= 0x000D) || c == 0x0085 || c == 0x2028 || c == 0x2029;
}

// The white-space-and-newline set: TAB, LF, VT, FF, CR, NEL, every Zs space, U+2028, U+2029.
// The Zs members are listed rather than looked up: the category is stable.
inline bool isWhitespaceOrNewline(char32_t c)
{
    if (c < 0x0080) {
        return c == 0x0020 || (c >= 0x0009 && c <= 0x000D);
    }
    return c == 0x0085 || c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Removes set members from both ends; blanks inside stay.
QString trimWhitespaceAndNewlines(const QString &text);
QStringView trimWhitespaceAndNewlines(QStringView text);

// Whether the text is surely its own NFC form: every character lies under U+0300.
bool isTriviallyCanonical(QStringView text);

// The NFC form. Texts under U+0300 are returned as they are (shared, no copy).
QString canonicalForm(const QString &text);

// Unicode string equality under canonical equivalence, case-sensitive.
bool canonicallyEqual(const QString &lhs, const QString &rhs);
