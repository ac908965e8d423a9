#pragma once

#include <QPlainTextEdit>

// The information pane: read-only, black 12 px system text on the panel grey, inset 8 px
// from the sides and 7 px from top and bottom.
class InfoPane final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoPane)

public:
    explicit InfoPane(QWidget *parent = nullptr);

    // Replaces the whole text. A log that grew is scrolled to its end; a new text (details
    // and release notes) is shown from its first line.
    void showText(const QString &text, bool scrollToEnd);
};
