#pragma once

#include <QString>
#include <QStringList>

// The information pane's text rules, kept apart from any widget.

// The text followed by a line feed and `line`; just `line` when the text is empty.
QString appendedInfoText(const QString &text, const QString &line);

// Splits the text at every newline character (LF, VT, FF, CR, NEL, U+2028, U+2029; each
// one ends a line by itself), replaces the last line when it is a progress line
// (`lastIsProgress`: the writer knows what it wrote, whatever the language of its words) or
// else adds `line`, and joins the lines with single line feeds.
QString textWithLastInfoLineReplaced(const QString &text, const QString &line, bool lastIsProgress);

// `text` under `notices`, one a line and a blank line after them; just `text` when there are
// none.
QString textWithNotices(const QStringList &notices, const QString &text);
