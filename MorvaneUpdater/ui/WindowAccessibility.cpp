#include "ui/WindowAccessibility.h"

#include "ui/FocusRing.h"
#include "ui/MainWindow.h"
#include "ui/SpokenNotice.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QItemSelectionModel>

WindowAccessible::WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window)
{
}

QList<QAccessibleInterface *> WindowAccessible::bands() const
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface *child = QAccessibleWidget::child(i);
        if (child && !qobject_cast<FocusRing *>(child->object())) {
            children.append(child);
        }
    }
    return children;
}

int WindowAccessible::childCount() const
{
    return int(bands().size());
}

QAccessibleInterface *WindowAccessible::child(int index) const
{
    return bands().value(index);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return int(bands().indexOf(const_cast<QAccessibleInterface *>(child)));
}

QAccessibleInterface *WindowAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(MainWindow::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new WindowAccessible(static_cast<QWidget *>(object));
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
        if (QAccessibleInterface *cell = list ? list->child(row) : nullptr) {
            QAccessibleEvent event(cell, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
        if (m_view.hasFocus() && m_view.currentIndex().row() == row) {
            m_notice.say(spokenChange(
                m_view.model()->index(row, 0).data(Qt::DisplayRole).toString(), description));
        }
    }
}

QString RowDescriptionEvents::spokenChange(const QString &name, const QString &description)
{
    // The last device gone leaves no description to say.
    return name + QStringLiteral(": ") +
           (description.isEmpty() ? QStringLiteral("No device attached") : description);
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
