#pragma once

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// Row of the model list: one bold title, 10 px in from both sides, vertically centred.
// The title is the model's Qt::DisplayRole text.
class ProductCell final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProductCell)

public:
    static constexpr int rowHeight = 38;
    static constexpr int horizontalInset = 10;

    explicit ProductCell(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QFont titleFont();
    static QColor titleColor();
    // `text` as drawn in a cell `cellWidth` wide: ending in an ellipsis when it does not fit.
    static QString elidedTitle(const QString &text, qreal cellWidth);
};
