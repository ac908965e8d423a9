#include "ui/ProductCell.h"

#include "app/CatalogueRoles.h"
#include "ui/Appearance.h"
#include "ui/CellPainting.h"
#include "ui/UnbreakableNames.h"

#include <QAbstractItemView>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QToolTip>
#include <algorithm>

namespace {
constexpr int rowHeight = 38;
constexpr int markHeight = 14;
constexpr qreal markPadding = 5;
// The stroke of the ring that marks devices this user may not open.
constexpr qreal ringPen = 1.5;

QFont titleFont()
{
    return systemFont(13, true);
}

QColor titleColor()
{
    return calibratedWhite(0.12);
}

QFont markFont()
{
    return systemFont(10, true);
}

// The title's line within a cell of `cellRect`, centred vertically.
QRectF titleRect(const QRectF &cellRect)
{
    const qreal lineHeight = QFontMetricsF(titleFont()).height();
    return {cellRect.left() + ProductCell::horizontalInset,
            cellRect.top() + (cellRect.height() - lineHeight) * 0.5,
            cellRect.width() - 2 * ProductCell::horizontalInset, lineHeight};
}

// `text` as drawn in a cell `cellWidth` wide beside a mark `markWidth` wide (0: none): ending
// in an ellipsis when it does not fit.
QString elidedTitle(const QString &text, qreal cellWidth, qreal markWidth)
{
    const qreal giving = markWidth > 0 ? markWidth + ProductCell::markGap : 0;
    return elidedCellText(text, titleFont(), cellWidth - giving, ProductCell::horizontalInset);
}

// The mark's text: none for one device this user may open (a dot), else the count, and "!"
// after it when any may not be opened.
QString markText(int attached, int unopenable)
{
    if (attached <= 0) {
        return {};
    }
    QString text = attached > 1 ? QString::number(attached) : QString();
    return unopenable > 0 ? text + QLatin1Char('!') : text;
}
} // namespace

ProductCell::ProductCell(QObject *parent) : QStyledItemDelegate(parent)
{
}

QColor ProductCell::attachedMarkColor()
{
    return QColor(46, 160, 67);
}

QColor ProductCell::unopenableMarkColor()
{
    return QColor(214, 128, 0);
}

QRectF ProductCell::markRect(const QRectF &cellRect, int attached, int unopenable)
{
    if (attached <= 0) {
        return {};
    }
    const QString text = markText(attached, unopenable);
    // A lone dot is smaller than the pill, so that one device reads as a state, not a count.
    const qreal height = text.isEmpty() ? markHeight - 4 : markHeight;
    // Room for a clear margin on both sides, inside the ring's stroke too, at any ratio, also
    // where the ends curve in towards the text's top and bottom.
    const qreal padding = unopenable > 0 ? markPadding + ringPen : markPadding;
    const qreal width =
        text.isEmpty() ? height
                       : std::max<qreal>(height, QFontMetricsF(markFont()).horizontalAdvance(text) +
                                                     2 * padding);
    return {cellRect.right() - horizontalInset - width,
            cellRect.top() + (cellRect.height() - height) * 0.5, width, height};
}

void ProductCell::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The text keeps its fixed colour on every row, selected or not.
    drawCellBackground(painter, opt);

    const QRectF cellRect(opt.rect);
    const int attached = index.data(CatalogueRoles::AttachedCountRole).toInt();
    const int unopenable = index.data(CatalogueRoles::UnopenableCountRole).toInt();
    const QRectF mark = markRect(cellRect, attached, unopenable);
    painter->save();
    painter->setFont(titleFont());
    painter->setPen(titleColor());
    painter->drawText(
        titleRect(cellRect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        elidedTitle(index.data(Qt::DisplayRole).toString(), cellRect.width(), mark.width()));
    if (!mark.isEmpty()) {
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal radius = mark.height() * 0.5;
        const QString text = markText(attached, unopenable);
        if (unopenable > 0) {
            // A ring, not a fill: told apart by its shape as well as its colour.
            const qreal pen = ringPen;
            painter->setPen(QPen(unopenableMarkColor(), pen));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(mark.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2),
                                     radius - pen / 2, radius - pen / 2);
            painter->setPen(unopenableMarkColor());
        } else {
            painter->setPen(Qt::NoPen);
            painter->setBrush(attachedMarkColor());
            painter->drawRoundedRect(mark, radius, radius);
            painter->setPen(Qt::white);
        }
        painter->setFont(markFont());
        painter->drawText(mark, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    painter->restore();
}

bool ProductCell::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                            const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::ToolTipRole).toString();
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPos(), toolTipHtml(text), view->viewport(), option.rect);
    }
    return true;
}

QString toolTipHtml(const QString &text)
{
    const QFontMetrics metrics(QToolTip::font());
    QString rows;
    bool wide = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        wide = wide || metrics.horizontalAdvance(line) > toolTipWidth;
        rows += QStringLiteral("<tr><td>") + withUnbreakableNames(line).toHtmlEscaped() +
                QStringLiteral("</td></tr>");
    }
    // Only a line too long for the width makes the tooltip that wide.
    const QString table =
        wide ? QStringLiteral("<table width=\"%1\">").arg(toolTipWidth) : QStringLiteral("<table>");
    return table + rows + QStringLiteral("</table>");
}

QSize ProductCell::sizeHint(const QStyleOptionViewItem & /*option*/,
                            const QModelIndex & /*index*/) const
{
    // List views stretch a row to their own width anyway; asking for no more keeps long
    // texts elided rather than scrolling the list sideways.
    return {2 * horizontalInset, rowHeight};
}
