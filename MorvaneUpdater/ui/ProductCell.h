#pragma once

#include <QStyledItemDelegate>

// Row of the model list: one bold title, 10 px in from both sides, vertically centred.
// The title is the model's Qt::DisplayRole text.
class ProductCell final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductCell)

public:
    static constexpr int rowHeight = 38;

    explicit ProductCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
