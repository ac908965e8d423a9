#include "FirmwareCell.h"

#include "Appearance.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {
QString elided(const QString &text, const QFont &font, qreal cellWidth)
{
    const qreal available = cellWidth - 2 * FirmwareCell::horizontalInset;
    return QFontMetricsF(font).elidedText(text, Qt::ElideRight, available > 0 ? available : 0);
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

FirmwareCell::LineRects FirmwareCell::lineRects(const QRectF &cellRect)
{
    const qreal titleHeight = QFontMetricsF(titleFont()).height();
    const qreal detailHeight = QFontMetricsF(detailFont()).height();
    const qreal top =
        cellRect.top() + (cellRect.height() - (titleHeight + lineSpacing + detailHeight)) * 0.5;
    const qreal left = cellRect.left() + horizontalInset;
    const qreal width = std::max<qreal>(cellRect.width() - 2 * horizontalInset, 0);
    return {QRectF(left, top, width, titleHeight),
            QRectF(left, top + titleHeight + lineSpacing, width, detailHeight)};
}

QString FirmwareCell::elidedTitle(const QString &text, qreal cellWidth)
{
    return elided(text, titleFont(), cellWidth);
}

QString FirmwareCell::elidedDetail(const QString &text, qreal cellWidth)
{
    return elided(text, detailFont(), cellWidth);
}

void FirmwareCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    // Background and selection highlight as the platform draws them; the texts keep their
    // fixed colours on every row.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

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
