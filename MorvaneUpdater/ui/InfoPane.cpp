#include "ui/InfoPane.h"

#include "ui/Appearance.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTextCursor>
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
}

void InfoPane::showText(const QString &text, bool appended)
{
    if (!appended || !changeEnd(text)) {
        m_lastLines.clear();
        setAccessibleDescription(QString());
        setPlainText(text);
    }
    m_text = text;
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(appended ? bar->maximum() : bar->minimum());
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
    QTextCursor cursor(document());
    cursor.setPosition(int(from));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const QString written = text.mid(from);
    cursor.insertText(written);
    m_lastLines = written.startsWith(QLatin1Char('\n')) ? written.mid(1) : written;
    return true;
}
