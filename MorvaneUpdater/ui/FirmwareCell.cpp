#include "ui/FirmwareCell.h"

#include "app/CatalogueRoles.h"
#include "ui/Appearance.h"
#include "ui/CellPainting.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace {
constexpr int rowHeight = 50;
constexpr int horizontalInset = 5;
constexpr int lineSpacing = 2;

QFont titleFont()
{
    return systemFont(15, true);
}

QFont detailFont()
{
    return systemFont(11);
}

QColor titleColor()
{
    return calibratedWhite(0.12);
}

QColor detailColor()
{
    return calibratedWhite(0.47);
}

// Where the two lines of a cell go.
struct LineRects
{
    QRectF title;
    QRectF detail;
};

// Both lines keep their place whatever they hold, so an empty detail leaves the title where
// it would be above a filled one.
LineRects lineRects(const QRectF &cellRect)
{
    const qreal titleHeight = QFontMetricsF(titleFont()).height();
    const qreal detailHeight = QFontMetricsF(detailFont()).height();
    const qreal pairHeight = titleHeight + lineSpacing + detailHeight;
    const qreal top = cellRect.top() + (cellRect.height() - pairHeight) * 0.5;
    const qreal left = cellRect.left() + horizontalInset;
    const qreal width = std::max<qreal>(cellRect.width() - 2 * horizontalInset, 0);
    return {QRectF(left, top, width, titleHeight),
            QRectF(left, top + titleHeight + lineSpacing, width, detailHeight)};
}
} // namespace

FirmwareCell::FirmwareCell(QObject *parent) : QStyledItemDelegate(parent)
{
}

void FirmwareCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The texts keep their fixed colours on every row, selected or not.
    drawCellBackground(painter, opt);

    const QRectF cellRect(opt.rect);
    const LineRects lines = lineRects(cellRect);
    constexpr int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->save();
    painter->setFont(titleFont());
    painter->setPen(titleColor());
    painter->drawText(lines.title, flags,
                      elidedCellText(index.data(Qt::DisplayRole).toString(), titleFont(),
                                     cellRect.width(), horizontalInset));
    painter->setFont(detailFont());
    painter->setPen(detailColor());
    painter->drawText(lines.detail, flags,
                      elidedCellText(index.data(CatalogueRoles::DetailRole).toString(),
                                     detailFont(), cellRect.width(), horizontalInset));
    painter->restore();
}

QSize FirmwareCell::sizeHint(const QStyleOptionViewItem & /*option*/,
                             const QModelIndex & /*index*/) const
{
    // List views stretch a row to their own width anyway; asking for no more keeps long
    // texts elided rather than scrolling the list sideways.
    return {2 * horizontalInset, rowHeight};
}
