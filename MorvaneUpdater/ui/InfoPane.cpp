#include "ui/InfoPane.h"

#include "ui/Appearance.h"

#include <QScrollBar>

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

void InfoPane::showText(const QString &text, bool scrollToEnd)
{
    setPlainText(text);
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(scrollToEnd ? bar->maximum() : bar->minimum());
}
