#include "ui/WindowAccessibility.h"

#include "ui/FocusRing.h"
#include "ui/InfoPane.h"
#include "ui/MainWindow.h"
#include "ui/SpokenNotice.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QEvent>
#include <QItemSelectionModel>
#include <QSplitter>
#include <QSplitterHandle>

namespace {

// Qt 6.4 tells screen readers on Linux of a description change with the object instead of the
// new text, which Orca cannot say. This sends the change of `object`'s description as AT-SPI
// has it, with the text, on the connection Qt's bridge opened to the accessibility bus
// ("a11y"); false where there is no such bus, and Qt's own event is all there is.
bool tellDescriptionText(QAccessibleInterface &object)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        return false;
    }
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") +
                         QString::number(QAccessible::uniqueId(&object));
    QDBusMessage event = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    // The last argument names the application's root, as (bus name, path).
    QDBusArgument root;
    root.beginStructure();
    root << bus.baseService() << QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"));
    root.endStructure();
    event << QStringLiteral("accessible-description") << 0 << 0
          << QVariant::fromValue(QDBusVariant(object.text(QAccessible::Description)))
          << QVariant::fromValue(root);
    return bus.send(event);
}

bool notARing(QObject *child)
{
    return !qobject_cast<FocusRing *>(child);
}

bool notAHandle(QObject *child)
{
    return !qobject_cast<QSplitterHandle *>(child);
}

// A widget that reports the focus of the widget it is the focus proxy of, as a scroll area's
// viewport does, without that focus.
class ProxyAccessible final : public QAccessibleWidget
{
public:
    explicit ProxyAccessible(QWidget *widget) : QAccessibleWidget(widget) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

} // namespace

WindowAccessible::WindowAccessible(QWidget *widget, QAccessible::Role role,
                                   bool (*shown)(QObject *child))
    : QAccessibleWidget(widget, role), m_shown(shown)
{
}

QList<QAccessibleInterface *> WindowAccessible::shownChildren() const
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface *child = QAccessibleWidget::child(i);
        if (child && m_shown(child->object())) {
            children.append(child);
        }
    }
    return children;
}

int WindowAccessible::childCount() const
{
    return int(shownChildren().size());
}

QAccessibleInterface *WindowAccessible::child(int index) const
{
    return shownChildren().value(index);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return int(shownChildren().indexOf(const_cast<QAccessibleInterface *>(child)));
}

QAccessibleInterface *WindowAccessible::create(const QString &className, QObject *object)
{
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new WindowAccessible(widget, QAccessible::Window, &notARing);
    }
    if (!qobject_cast<MainWindow *>(widget->window())) {
        return nullptr;
    }
    if (className == QLatin1String(QSplitter::staticMetaObject.className())) {
        return new WindowAccessible(widget, QAccessible::Splitter, &notAHandle);
    }
    const auto *pane = qobject_cast<InfoPane *>(widget->parentWidget());
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && pane &&
        pane->viewport() == widget) {
        return new ProxyAccessible(widget);
    }
    return nullptr;
}

RowDescriptionEvents::RowDescriptionEvents(QAbstractItemView &view, SpokenNotice &notice)
    : QObject(&view), m_view(view), m_notice(notice)
{
    QAbstractItemModel *model = view.model();
    connect(model, &QAbstractItemModel::modelReset, this, &RowDescriptionEvents::remember);
    connect(model, &QAbstractItemModel::layoutChanged, this, &RowDescriptionEvents::remember);
    connect(model, &QAbstractItemModel::rowsInserted, this, &RowDescriptionEvents::remember);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &RowDescriptionEvents::remember);
    connect(model, &QAbstractItemModel::dataChanged, this, &RowDescriptionEvents::compare);
    remember();
}

void RowDescriptionEvents::remember()
{
    m_descriptions.clear();
    const QAbstractItemModel &model = *m_view.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        m_descriptions.insert(row,
                              model.index(row, 0).data(Qt::AccessibleDescriptionRole).toString());
    }
}

void RowDescriptionEvents::compare(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QList<int> &roles)
{
    if (!roles.isEmpty() && !roles.contains(Qt::AccessibleDescriptionRole)) {
        return;
    }
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&m_view);
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QString description =
            m_view.model()->index(row, 0).data(Qt::AccessibleDescriptionRole).toString();
        QString &known = m_descriptions[row];
        if (description == known) {
            continue;
        }
        known = description;
        // A list's rows are its children in row order.
        bool toldText = false;
        if (QAccessibleInterface *cell = list ? list->child(row) : nullptr) {
            toldText = tellDescriptionText(*cell);
            if (!toldText) {
                QAccessibleEvent event(cell, QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&event);
            }
        }
        // Screen readers say no empty description: the last device gone is said all the same.
        if (m_view.hasFocus() && m_view.currentIndex().row() == row &&
            (!toldText || description.isEmpty())) {
            m_notice.say(spokenChange(
                m_view.model()->index(row, 0).data(Qt::DisplayRole).toString(), description));
        }
    }
}

QString RowDescriptionEvents::spokenChange(const QString &name, const QString &description)
{
    //: A model's name, then what is attached of it.
    return tr("%1: %2").arg(name, description.isEmpty() ? tr("No device attached") : description);
}

CurrentRowWhileFocused::CurrentRowWhileFocused(QAbstractItemView &view)
    : QObject(&view), m_view(view)
{
    view.installEventFilter(this);
    connect(view.selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CurrentRowWhileFocused::dropCurrentUnlessFocused);
    dropCurrentUnlessFocused();
}

bool CurrentRowWhileFocused::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view && event->type() == QEvent::FocusIn) {
        QItemSelectionModel &selection = *m_view.selectionModel();
        const QModelIndexList rows = selection.selectedRows();
        if (!selection.currentIndex().isValid() && !rows.isEmpty()) {
            selection.setCurrentIndex(rows.first(), QItemSelectionModel::NoUpdate);
        }
    } else if (watched == &m_view && event->type() == QEvent::FocusOut) {
        dropCurrentUnlessFocused();
    }
    return QObject::eventFilter(watched, event);
}

void CurrentRowWhileFocused::dropCurrentUnlessFocused()
{
    QItemSelectionModel &selection = *m_view.selectionModel();
    if (!m_view.hasFocus() && selection.currentIndex().isValid()) {
        selection.setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void FocusHonestList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus()) {
        QListView::currentChanged(current, previous);
    } else {
        // The same, less the focus event.
        QAbstractItemView::currentChanged(current, previous);
    }
}
