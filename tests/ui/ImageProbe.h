#pragma once

#include <QAbstractItemModel>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <algorithm>

// Pixel probes shared by the widget tests. Every colour the widgets paint is a grey, so a
// pixel is judged by its grey level.
namespace ImageProbe {

inline int greyAt(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

inline int darkestIn(const QImage &image, const QRect &area)
{
    int darkest = 255;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            darkest = std::min(darkest, greyAt(image, x, y));
        }
    }
    return darkest;
}

// Bounding box of the pixels darker than `threshold`; empty when there are none.
inline QRect inkBounds(const QImage &image, int threshold)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (greyAt(image, x, y) < threshold) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// One cell painted by `delegate` on white, as a view would paint row `index`.
inline QImage renderCell(const QStyledItemDelegate &delegate, const QModelIndex &index,
                         const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), size);
    option.state = QStyle::State_Enabled | QStyle::State_Active;
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    painter.end();
    return image;
}

} // namespace ImageProbe
