#pragma once

#include <QColor>
#include <QRectF>
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
    static constexpr int horizontalInset = 10;
    // Between the title's end and the mark.
    static constexpr int markGap = 6;

    explicit ProductCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The row's tooltip as toolTipHtml makes it.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    static QColor attachedMarkColor();
    static QColor unopenableMarkColor();
    // Where the mark sits in a cell of `cellRect`; empty with nothing attached.
    static QRectF markRect(const QRectF &cellRect, int attached, int unopenable);
};

// A row's tooltip text as the window shows it: each line a paragraph, wrapped at
// toolTipWidth when any is longer, so that it fits beside the window, never inside a file name,
// command or path (withUnbreakableNames). The model gives the permission help without the
// pointer to the command line's manual page (ManualPage::omitted).
QString toolTipHtml(const QString &text);
inline constexpr int toolTipWidth = 400;
