#pragma once

#include <QStyledItemDelegate>

// Row of the firmware list: the bold title (Qt::DisplayRole) above the smaller grey
// detail line (CatalogueRoles::DetailRole), 5 px in, the pair centred vertically.
class FirmwareCell final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FirmwareCell)

public:
    explicit FirmwareCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
