#pragma once

#include <QPlainTextEdit>

// The information pane: read-only, black 12 px system text on the panel grey, inset 8 px
// from the sides and 7 px from top and bottom.
//
// A live log to screen readers, as a terminal is: lines added at the end reach them as an
// insertion of those lines, and a progress line written again in place as one replacement
// of that line, with "\n" for line ends, as the text has them. The outcome of an update becomes the
// pane's accessible description as it appears, so that it is heard wherever the focus is.
class InfoPane final : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InfoPane)

public:
    explicit InfoPane(QWidget *parent = nullptr);

    // A log that grew (`appended`) changes only from the first line that differs and is
    // scrolled to its end, unless the user has scrolled it away from its end, which stops
    // the following until they scroll back to the end; a new text (details and release
    // notes) replaces the whole text and is shown from its first line.
    // File names, commands and paths are laid out unbroken (withUnbreakableNames); copied,
    // they are as given.
    void showText(const QString &text, bool appended);
    // The lines the last change at the end wrote, now told as the outcome.
    void announceLastLines();
    // What the last change at the end wrote, without the line end it started with.
    const QString &lastLines() const { return m_lastLines; }
    // The outcome told last is gone from the description.
    void forgetOutcome();

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    bool changeEnd(const QString &text);
    // The pane tells screen readers of its changes itself (textChanged).
    void silenceTextControl();
    // The document's text from `from` on, as screen readers read it.
    QString shownText(int from) const;
    void textChanged(int position, const QString &removed, const QString &inserted);

    // The text as laid out: the document holds its newlines as block ends.
    QString m_text;
    QString m_lastLines;
    // Where the pane itself last scrolled to, and whether it follows the end.
    int m_scrolledTo = 0;
    bool m_followingEnd = true;
};
