#pragma once

#include "app/CatalogueRoles.h"

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// Row of the firmware list: the bold title (Qt::DisplayRole) above the smaller grey
// detail line (DetailRole), 5 px in, the pair centred vertically.
class FirmwareCell final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirmwareCell)

public:
    static constexpr int rowHeight = 50;
    static constexpr int DetailRole = CatalogueRoles::DetailRole;
    static constexpr int horizontalInset = 5;
    static constexpr int lineSpacing = 2;

    explicit FirmwareCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QFont titleFont();
    static QFont detailFont();
    static QColor titleColor();
    static QColor detailColor();
    // The texts as drawn in a cell `cellWidth` wide: ending in an ellipsis when too long.
    static QString elidedTitle(const QString &text, qreal cellWidth);
    static QString elidedDetail(const QString &text, qreal cellWidth);
};
