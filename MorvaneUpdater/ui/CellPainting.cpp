#include "ui/CellPainting.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionViewItem>

void drawCellBackground(QPainter *painter, const QStyleOptionViewItem &option)
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);
}

QString elidedCellText(const QString &text, const QFont &font, qreal cellWidth, int inset)
{
    const qreal available = cellWidth - 2 * inset;
    return QFontMetricsF(font).elidedText(text, Qt::ElideRight, available > 0 ? available : 0);
}
