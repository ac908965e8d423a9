#include "ui/FirmwareCell.h"

#include "ui/Appearance.h"
#include "ui/CellPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace {
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
    const qreal titleHeight = QFontMetricsF(FirmwareCell::titleFont()).height();
    const qreal detailHeight = QFontMetricsF(FirmwareCell::detailFont()).height();
    const qreal pairHeight = titleHeight + FirmwareCell::lineSpacing + detailHeight;
    const qreal top = cellRect.top() + (cellRect.height() - pairHeight) * 0.5;
    const qreal left = cellRect.left() + FirmwareCell::horizontalInset;
    const qreal width = std::max<qreal>(cellRect.width() - 2 * FirmwareCell::horizontalInset, 0);
    return {QRectF(left, top, width, titleHeight),
            QRectF(left, top + titleHeight + FirmwareCell::lineSpacing, width, detailHeight)};
}
} // namespace

FirmwareCell::FirmwareCell(QObject *parent) : QStyledItemDelegate(parent)
{
}

QFont FirmwareCell::titleFont()
{
    return systemFont(15, true);
}

QFont FirmwareCell::detailFont()
{
    return systemFont(11);
}

QColor FirmwareCell::titleColor()
{
    return calibratedWhite(0.12);
}

QColor FirmwareCell::detailColor()
{
    return calibratedWhite(0.47);
}

QString FirmwareCell::elidedTitle(const QString &text, qreal cellWidth)
{
    return elidedCellText(text, titleFont(), cellWidth, horizontalInset);
}

QString FirmwareCell::elidedDetail(const QString &text, qreal cellWidth)
{
    return elidedCellText(text, detailFont(), cellWidth, horizontalInset);
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
                      elidedTitle(index.data(Qt::DisplayRole).toString(), cellRect.width()));
    painter->setFont(detailFont());
    painter->setPen(detailColor());
    painter->drawText(lines.detail, flags,
                      elidedDetail(index.data(DetailRole).toString(), cellRect.width()));
    painter->restore();
}

QSize FirmwareCell::sizeHint(const QStyleOptionViewItem & /*option*/,
                             const QModelIndex & /*index*/) const
{
    // List views stretch a row to their own width anyway; asking for no more keeps long
    // texts elided rather than scrolling the list sideways.
    return {2 * horizontalInset, rowHeight};
}
