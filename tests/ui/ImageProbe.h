#pragma once

#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <algorithm>

// Pixel probes for the widget tests. The widgets paint only greys, so a pixel is judged by
// its grey level.
namespace ImageProbe {

inline int darkest(const QImage &image)
{
    int grey = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            grey = std::min(grey, qGray(image.pixel(x, y)));
        }
    }
    return grey;
}

// Bounding box of the pixels darker than `threshold`; empty when there are none.
inline QRect inkBounds(const QImage &image, int threshold)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// A one-row list holding `item`, its row painted by `delegate` on white as a view would.
inline QImage renderCell(const QStyledItemDelegate &delegate, QStandardItem *item, QSize size,
                         QStyle::State extraState = {})
{
    QStandardItemModel model;
    model.appendRow(item);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = QStyle::State_Enabled | QStyle::State_Active | extraState;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    painter.end();
    return image;
}

} // namespace ImageProbe
