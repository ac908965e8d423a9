#include "ui/FocusRing.h"

#include "ui/Appearance.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

FocusRing::FocusRing(QWidget &target) : QWidget(target.window()), m_target(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The target and the widgets between it and the window: each of their moves moves it.
    for (QWidget *moving = &target; moving && moving != parentWidget();
         moving = moving->parentWidget()) {
        moving->installEventFilter(this);
    }
    fitTarget();
    setVisible(target.hasFocus());
}

QColor FocusRing::color()
{
    // The update button's ring, so that all four stops of Tab look alike.
    return accentColor();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        fitTarget();
        break;
    case QEvent::FocusIn:
        if (watched == &m_target) {
            fitTarget();
            raise();
            show();
        }
        break;
    case QEvent::FocusOut:
        if (watched == &m_target) {
            hide();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent * /*event*/)
{
    QPainter(this).fillRect(rect(), color());
}

void FocusRing::fitTarget()
{
    setGeometry(QRect(m_target.mapTo(parentWidget(), QPoint(0, 0)), m_target.size()));
    // Only the ring is this widget's: everything inside it stays the target's own pixels.
    const QRect bounds = rect();
    setMask(QRegion(bounds).subtracted(
        QRegion(bounds.adjusted(lineWidth, lineWidth, -lineWidth, -lineWidth))));
}
