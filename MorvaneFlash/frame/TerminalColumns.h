#pragma once

#include <QStringView>

// The columns text takes on a terminal, for whatever lines up or is cut to a terminal's width:
// East Asian wide and fullwidth characters (CJK, kana, Hangul, fullwidth forms) take two,
// combining marks none, the rest one. Counting QChars instead would misalign Chinese text.
int terminalColumns(char32_t character);
int terminalColumns(QStringView text);
