#pragma once

#include <QString>

// The white-space-and-newline set: TAB, LF, VT, FF, CR, NEL, every Zs space, U+2028, U+2029.
bool isWhitespaceOrNewline(char32_t c);

// Line-end characters: LF, VT, FF, CR, NEL, U+2028, U+2029.
bool isNewline(char32_t c);

// Removes set members from both ends; blanks inside stay.
QString trimWhitespaceAndNewlines(const QString &text);
