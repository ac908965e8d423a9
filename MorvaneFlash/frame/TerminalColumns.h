#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The columns `text` takes on a terminal: two for each East Asian wide or fullwidth character
// (Chinese, Japanese, Korean), none for a combining mark or a format character, one for the
// rest. Text laid out in columns is measured with this, never by its QChars.
qsizetype terminalColumns(QStringView text);
qsizetype terminalColumns(char32_t character);

// `text` padded with spaces to `columns` terminal columns.
QString paddedToColumns(const QString &text, qsizetype columns);

// `text` (one paragraph, no line ends) as lines of at most `width` columns, those after the
// first of at most `laterWidth`: broken at spaces, which go, or between two characters of which
// one is wide, as Chinese puts no spaces between its words; never before closing punctuation
// (，。）) nor after opening (（“). A word wider than its line keeps a line of its own.
QStringList wrappedToColumns(const QString &text, qsizetype width, qsizetype laterWidth);
