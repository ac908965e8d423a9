#include "ui/InfoPane.h"

#include "ui/Appearance.h"
#include "ui/UnbreakableNames.h"

#include <QAccessible>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

InfoPane::InfoPane(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(systemFont(12));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, panelBackgroundColor());
    colours.setColor(QPalette::Window, panelBackgroundColor());
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    document()->setDocumentMargin(0);
    setViewportMargins(8, 7, 8, 7);
    silenceTextControl();
}

void InfoPane::showText(const QString &given, bool appended)
{
    const QString text = withUnbreakableNames(given);
    QScrollBar *bar = verticalScrollBar();
    const int readerAt = bar->value();
    // Moved since the pane last scrolled, the view is the reader's: it follows the end only if
    // they left it there.
    if (readerAt != m_scrolledTo) {
        m_followingEnd = readerAt == bar->maximum();
    }
    if (!appended || !changeEnd(text)) {
        m_lastLines.clear();
        setAccessibleDescription(QString());
        const QString before = shownText(0);
        setPlainText(text);
        silenceTextControl();
        textChanged(0, before, shownText(0));
    }
    m_text = text;
    if (!appended) {
        m_followingEnd = true;
        bar->setValue(bar->minimum());
    } else {
        // A reader who scrolled back from the end keeps the lines they read, as in a
        // terminal, until they scroll to the end again; Qt would follow the end regardless.
        bar->setValue(m_followingEnd ? bar->maximum() : readerAt);
    }
    m_scrolledTo = bar->value();
}

QMimeData *InfoPane::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(withoutBreakGuards(
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'))));
    return data;
}

void InfoPane::silenceTextControl()
{
    // Qt's text control listens to the document's changes only to tell screen readers, and
    // tells a whole new text as the removal of one character more than there was, and line
    // ends as paragraph separators where the pane's text has "\n". It listens again after
    // each setPlainText.
    for (QObject *control : children()) {
        if (control->inherits("QWidgetTextControl")) {
            disconnect(document(), &QTextDocument::contentsChange, control, nullptr);
        }
    }
}

QString InfoPane::shownText(int from) const
{
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void InfoPane::textChanged(int position, const QString &removed, const QString &inserted)
{
    if (removed.isEmpty() && inserted.isEmpty()) {
        return;
    }
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(this, position, inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, position, removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(this, position, removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void InfoPane::announceLastLines()
{
    if (accessibleDescription() != m_lastLines) {
        setAccessibleDescription(m_lastLines);
        return;
    }
    // The same outcome as last time is told again all the same.
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void InfoPane::forgetOutcome()
{
    if (!accessibleDescription().isEmpty()) {
        setAccessibleDescription(QString());
    }
}

bool InfoPane::changeEnd(const QString &text)
{
    const auto differ = std::mismatch(m_text.cbegin(), m_text.cend(), text.cbegin(), text.cend());
    qsizetype from = differ.first - m_text.cbegin();
    // The document turns "\r\n" into one block end, so past it positions no longer count
    // the characters given.
    if (m_text.left(from).contains(QLatin1Char('\r'))) {
        return false;
    }
    if (from < m_text.size()) {
        // Something shown goes: the line it is in is written again whole.
        from = from == 0 ? 0 : m_text.lastIndexOf(QLatin1Char('\n'), from - 1) + 1;
    }
    const QString before = shownText(int(from));
    QTextCursor cursor(document());
    cursor.setPosition(int(from));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const QString written = text.mid(from);
    cursor.insertText(written);
    textChanged(int(from), before, shownText(int(from)));
    m_lastLines =
        withoutBreakGuards(written.startsWith(QLatin1Char('\n')) ? written.mid(1) : written);
    return true;
}
