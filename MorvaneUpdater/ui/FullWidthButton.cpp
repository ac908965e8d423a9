#include "FullWidthButton.h"

#include "Appearance.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Half-open on the far edges: a release on the right or bottom edge is already outside.
bool containsPoint(const QSizeF &size, const QPointF &point)
{
    return point.x() >= 0 && point.x() < size.width() && point.y() >= 0 &&
           point.y() < size.height();
}
} // namespace

FullWidthButton::FullWidthButton(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted in paintEvent, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("Update"));
}

void FullWidthButton::setTitle(const QString &title)
{
    m_title = title;
    update();
}

QColor FullWidthButton::backgroundColor() const
{
    if (!isEnabled()) {
        return calibratedWhite(0.91);
    }
    return m_pressed ? calibratedWhite(0.78) : calibratedWhite(0.97);
}

QColor FullWidthButton::titleColor() const
{
    return isEnabled() ? calibratedWhite(0.12) : calibratedWhite(0.62);
}

QColor FullWidthButton::edgeLineColor()
{
    return calibratedWhite(0.72);
}

QFont FullWidthButton::titleFont()
{
    return systemFont(titlePixelSize, true);
}

void FullWidthButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    // The separator towards the information pane above: the widget's first pixel row.
    painter.fillRect(QRect(0, 0, width(), 1), edgeLineColor());

    const QFont font = titleFont();
    const QSizeF textSize = QFontMetricsF(font).size(Qt::TextSingleLine, m_title);
    // Centred on the widget even when wider than it, so an overlong title is cut equally
    // on both sides.
    const QRectF textRect(
        QPointF(width() * 0.5 - textSize.width() * 0.5, height() * 0.5 - textSize.height() * 0.5),
        textSize);
    painter.setFont(font);
    painter.setPen(titleColor());
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, m_title);
}

void FullWidthButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!isEnabled()) {
        return;
    }
    m_pressed = true;
    update();
}

void FullWidthButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // A press that began before the button was disabled keeps its pressed state until the
    // next release on the enabled button.
    if (!isEnabled()) {
        return;
    }
    const bool inside = containsPoint(size(), event->position());
    m_pressed = false;
    update();
    if (inside) {
        emit clicked();
    }
}

void FullWidthButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
    QWidget::changeEvent(event);
}
