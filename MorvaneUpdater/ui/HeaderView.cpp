#include "ui/HeaderView.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Where the image lands for a view of `bounds`: scaled to cover, centred. Empty when the
// image has no area.
QRectF coverRect(const QSizeF &imageSize, const QRectF &bounds)
{
    const qreal iw = imageSize.width();
    const qreal ih = imageSize.height();
    // Without area (or with a nonsensical size) there is no scale that covers anything.
    if (!(iw > 0) || !(ih > 0) || !std::isfinite(iw) || !std::isfinite(ih)) {
        return {};
    }
    const qreal scale = std::max(bounds.width() / iw, bounds.height() / ih);
    const QSizeF drawn(iw * scale, ih * scale);
    return {QPointF(bounds.center().x() - drawn.width() * 0.5,
                    bounds.center().y() - drawn.height() * 0.5),
            drawn};
}
} // namespace

HeaderView::HeaderView(const QImage &image, QWidget *parent) : QWidget(parent), m_image(image)
{
    // paintEvent covers every pixel (black first, then the image).
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HeaderView::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_image.isNull()) {
        return;
    }
    const QRectF target = coverRect(QSizeF(m_image.size()), QRectF(rect()));
    if (target.isEmpty()) {
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}
