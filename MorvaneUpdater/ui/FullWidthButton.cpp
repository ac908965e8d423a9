#include "ui/FullWidthButton.h"

#include "ui/Appearance.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int titlePixelSize = 18;
constexpr int focusRingInset = 3;
constexpr int focusRingWidth = 2;
// Between the focus ring and the title, on either side.
constexpr int titleMargin = 8;

QColor backgroundColor(const QAbstractButton &button)
{
    if (!button.isEnabled()) {
        return calibratedWhite(0.91);
    }
    return button.isDown() ? calibratedWhite(0.78) : calibratedWhite(0.97);
}

QColor titleColor(const QAbstractButton &button)
{
    return button.isEnabled() ? calibratedWhite(0.12) : calibratedWhite(0.62);
}

bool isReturnKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool isArrowKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Up || event.key() == Qt::Key_Down ||
           event.key() == Qt::Key_Left || event.key() == Qt::Key_Right;
}

// QAbstractButton presses on Space only; Return and Enter reach it as Space, so that
// auto-repeat, the click on release and cancelling on focus loss stay Qt's.
QKeyEvent asSpace(const QKeyEvent &event)
{
    return {event.type(), Qt::Key_Space, event.modifiers(), QStringLiteral(" "),
            event.isAutoRepeat()};
}
} // namespace

FullWidthButton::FullWidthButton(QWidget *parent) : QAbstractButton(parent)
{
    // Every pixel is painted in paintEvent, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Also the name screen readers hear.
    setText(tr("Update"));
    setToolTip(tr("Update"));
    // Screen readers take the tooltip as the description unless there is one, and would say
    // the name twice.
    setAccessibleDescription(tr("Writes the chosen firmware version to the device"));
    // Reached by Tab only: a mouse click leaves the focus (and the look) where it was.
    setFocusPolicy(Qt::TabFocus);
}

QColor FullWidthButton::focusRingColor()
{
    return accentColor();
}

QSize FullWidthButton::sizeHint() const
{
    return minimumSizeHint();
}

QSize FullWidthButton::minimumSizeHint() const
{
    const QSizeF title =
        QFontMetricsF(systemFont(titlePixelSize, true)).size(Qt::TextSingleLine, text());
    const int ring = focusRingInset + focusRingWidth;
    return {int(std::ceil(title.width())) + 2 * (ring + titleMargin),
            int(std::ceil(title.height())) + 2 * ring + 1};
}

void FullWidthButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor(*this));
    // The separator towards the information pane above: the widget's first pixel row.
    painter.fillRect(QRect(0, 0, width(), 1), calibratedWhite(0.72));
    if (hasFocus()) {
        // Flat and square like the rest of the button: a 2-pixel frame inset within it.
        const QRect ring(focusRingInset, focusRingInset + 1, width() - 2 * focusRingInset,
                         height() - 2 * focusRingInset - 1);
        const QRect inner =
            ring.adjusted(focusRingWidth, focusRingWidth, -focusRingWidth, -focusRingWidth);
        painter.save();
        painter.setClipRegion(QRegion(ring).subtracted(QRegion(inner)));
        painter.fillRect(ring, focusRingColor());
        painter.restore();
    }

    const QFont font = systemFont(titlePixelSize, true);
    const QSizeF textSize = QFontMetricsF(font).size(Qt::TextSingleLine, text());
    // Centred on the widget. The window is made as wide as the title asks
    // (minimumSizeHint); should a layout still give less, it is cut equally on both sides.
    const QRectF textRect(
        QPointF(width() * 0.5 - textSize.width() * 0.5, height() * 0.5 - textSize.height() * 0.5),
        textSize);
    painter.setFont(font);
    painter.setPen(titleColor(*this));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void FullWidthButton::mouseMoveEvent(QMouseEvent *event)
{
    // QAbstractButton lets go of the press while the pointer is outside and takes it again on
    // the way back; the release alone decides here, and QAbstractButton's release handling
    // already clicks inside only.
    event->accept();
}

void FullWidthButton::keyPressEvent(QKeyEvent *event)
{
    if (isArrowKey(*event)) {
        // QAbstractButton would move the focus on, to the model list, where the next arrow
        // chooses another model and replaces the update's report. Tab moves the focus.
        event->ignore();
        return;
    }
    if (!isReturnKey(*event)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    QKeyEvent space = asSpace(*event);
    QAbstractButton::keyPressEvent(&space);
    event->setAccepted(space.isAccepted());
}

void FullWidthButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isReturnKey(*event)) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    QKeyEvent space = asSpace(*event);
    QAbstractButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}

void FullWidthButton::changeEvent(QEvent *event)
{
    // On this change QAbstractButton does nothing but let go of a press when the button is
    // disabled. This one keeps it: a press begun before the button was disabled ends only
    // with a release on the enabled button.
    if (event->type() == QEvent::EnabledChange) {
        QWidget::changeEvent(event);
        return;
    }
    QAbstractButton::changeEvent(event);
}
