#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QObject>
#include <QString>

class QAbstractItemView;

// The window as screen readers see it: a frame (a plain top-level QWidget is a filler to
// them) whose children are the bands, without the focus rings, which only paint.
class WindowAccessible final : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // For QAccessible::installFactory: the interface of every MainWindow.
    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    QList<QAccessibleInterface *> bands() const;
};

// Tells screen readers of each row of `view` whose accessible description changes, as the
// row's own description-changed event: a list view tells them only that its data changed.
class RowDescriptionEvents final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowDescriptionEvents)

public:
    explicit RowDescriptionEvents(QAbstractItemView &view);

private:
    void remember();
    void compare(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                 const QList<int> &roles);

    QAbstractItemView &m_view;
    QHash<int, QString> m_descriptions;
};

// Keeps a list's current row only while the list has the focus: screen readers take the
// current row of any list for the focused one. The selection stays as it is; the focus coming
// back makes the selected row current again, so that the arrow keys go on from it.
class CurrentRowWhileFocused final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrentRowWhileFocused)

public:
    explicit CurrentRowWhileFocused(QAbstractItemView &view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dropCurrentUnlessFocused();

    QAbstractItemView &m_view;
};
