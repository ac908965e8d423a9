#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// Row of the model list: one bold title, 10 px in from both sides, vertically centred.
// The title is the model's Qt::DisplayRole text. A row whose model has devices attached
// (CatalogueRoles::AttachedCountRole) carries a mark at its right end, inside the inset: a
// filled green dot for one device, a pill with the count for several, and an amber ring with
// "!" when any of them this user may not open (CatalogueRoles::UnopenableCountRole). The
// title keeps its place; only the width it is elided to gives way to the mark.
class ProductCell final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductCell)

public:
    static constexpr int rowHeight = 38;
    static constexpr int horizontalInset = 10;
    static constexpr int markHeight = 14;
    // Between the title's end and the mark.
    static constexpr int markGap = 6;

    explicit ProductCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QFont titleFont();
    static QColor titleColor();
    static QColor attachedMarkColor();
    static QColor unopenableMarkColor();
    // `text` as drawn in a cell `cellWidth` wide beside a mark `markWidth` wide (0: none):
    // ending in an ellipsis when it does not fit.
    static QString elidedTitle(const QString &text, qreal cellWidth, qreal markWidth = 0);

    // The mark's text: none for one device this user may open (a dot), else the count, and
    // "!" after it when any may not be opened.
    static QString markText(int attached, int unopenable);
    // Where the mark sits in a cell of `cellRect`; empty with nothing attached.
    static QRectF markRect(const QRectF &cellRect, int attached, int unopenable);
};
