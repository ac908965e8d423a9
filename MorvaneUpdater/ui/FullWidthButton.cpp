#include "ui/FullWidthButton.h"

#include "ui/Appearance.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Half-open on the far edges: a release on the right or bottom edge is already outside.
bool containsPoint(const QSizeF &size, const QPointF &point)
{
    return point.x() >= 0 && point.x() < size.width() && point.y() >= 0 &&
           point.y() < size.height();
}

bool isPressKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           (event.key() == Qt::Key_Space || event.key() == Qt::Key_Return ||
            event.key() == Qt::Key_Enter);
}

// What a screen reader is told: a push button named after the title, with a press action
// while it is enabled. The base class adds the enabled, focusable and focused states.
class FullWidthButtonAccessible final : public QAccessibleWidget
{
public:
    explicit FullWidthButtonAccessible(FullWidthButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->title();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isPressed();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction()) {
            button()->click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    FullWidthButton *button() const { return static_cast<FullWidthButton *>(widget()); }
};

// Qt's accessibility cache owns what the factory returns and deletes it with the widget.
QAccessibleInterface *accessibleFullWidthButton(const QString &className, QObject *object)
{
    if (className != QLatin1String(FullWidthButton::staticMetaObject.className())) {
        return nullptr;
    }
    auto *button = qobject_cast<FullWidthButton *>(object);
    return button ? new FullWidthButtonAccessible(button) : nullptr;
}
} // namespace

FullWidthButton::FullWidthButton(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFullWidthButton);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Every pixel is painted in paintEvent, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("Update"));
    // Reached by Tab only: a mouse click leaves the focus (and the look) where it was.
    setFocusPolicy(Qt::TabFocus);
}

void FullWidthButton::setTitle(const QString &title)
{
    m_title = title;
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void FullWidthButton::click()
{
    if (isEnabled()) {
        emit clicked();
    }
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

QColor FullWidthButton::focusRingColor()
{
    return accentColor();
}

void FullWidthButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
    // The separator towards the information pane above: the widget's first pixel row.
    painter.fillRect(QRect(0, 0, width(), 1), edgeLineColor());
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

void FullWidthButton::keyPressEvent(QKeyEvent *event)
{
    if (!isPressKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key repeats; only its first press counts, as the mouse's does.
    if (!event->isAutoRepeat() && m_pressKey == 0 && isEnabled()) {
        m_pressKey = event->key();
        m_pressed = true;
        update();
    }
}

void FullWidthButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || m_pressKey == 0 || event->key() != m_pressKey) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    m_pressKey = 0;
    if (!isEnabled()) {
        return;
    }
    m_pressed = false;
    update();
    emit clicked();
}

void FullWidthButton::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void FullWidthButton::focusOutEvent(QFocusEvent *event)
{
    // The key release will go elsewhere: a press held by the key ends without a click.
    if (m_pressKey != 0) {
        m_pressKey = 0;
        m_pressed = false;
    }
    update();
    QWidget::focusOutEvent(event);
}

void FullWidthButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
    QWidget::changeEvent(event);
}
