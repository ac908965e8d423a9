#include "ui/ProductCell.h"

#include "ui/Appearance.h"
#include "ui/CellPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>

namespace {
// The title's line within a cell of `cellRect`, centred vertically.
QRectF titleRect(const QRectF &cellRect)
{
    const qreal lineHeight = QFontMetricsF(ProductCell::titleFont()).height();
    return {cellRect.left() + ProductCell::horizontalInset,
            cellRect.top() + (cellRect.height() - lineHeight) * 0.5,
            cellRect.width() - 2 * ProductCell::horizontalInset, lineHeight};
}
} // namespace

ProductCell::ProductCell(QObject *parent) : QStyledItemDelegate(parent)
{
}

QFont ProductCell::titleFont()
{
    return systemFont(13, true);
}

QColor ProductCell::titleColor()
{
    return calibratedWhite(0.12);
}

QString ProductCell::elidedTitle(const QString &text, qreal cellWidth)
{
    return elidedCellText(text, titleFont(), cellWidth, horizontalInset);
}

void ProductCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The text keeps its fixed colour on every row, selected or not.
    drawCellBackground(painter, opt);

    const QRectF cellRect(opt.rect);
    painter->save();
    painter->setFont(titleFont());
    painter->setPen(titleColor());
    painter->drawText(titleRect(cellRect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      elidedTitle(index.data(Qt::DisplayRole).toString(), cellRect.width()));
    painter->restore();
}

QSize ProductCell::sizeHint(const QStyleOptionViewItem & /*option*/,
                            const QModelIndex & /*index*/) const
{
    // List views stretch a row to their own width anyway; asking for no more keeps long
    // texts elided rather than scrolling the list sideways.
    return {2 * horizontalInset, rowHeight};
}
