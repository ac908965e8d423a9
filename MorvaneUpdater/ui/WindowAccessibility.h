#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QListView>
#include <QObject>
#include <QString>

class QAbstractItemView;
class SpokenNotice;

// The window as screen readers see it: a frame (a plain top-level QWidget is a filler to
// them) whose children are the bands, without the focus rings, which only paint; the split
// of the two lists without its handles, which take no keyboard focus and have no name (the
// first is hidden, and empty); and the pane's viewport not in the focused state that it
// takes from the pane, so that one object alone is focused.
class WindowAccessible final : public QAccessibleWidget
{
public:
    // `shown` says which of the widget's children screen readers are given.
    WindowAccessible(QWidget *widget, QAccessible::Role role, bool (*shown)(QObject *child));

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    // For QAccessible::installFactory: the interfaces above, for every MainWindow.
    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    QList<QAccessibleInterface *> shownChildren() const;

    bool (*m_shown)(QObject *child);
};

// Tells screen readers of each row of `view` whose accessible description changes, as the
// row's own description-changed event: a list view tells them only that its data changed.
// Qt 6.4 hands that event on to Linux screen readers with the row instead of its text, which
// Orca cannot say, so on the accessibility bus it is sent here, with the text. The row with
// the keyboard focus has its change said through `notice` as well ("K7 Keyboard: No device
// attached"), where that bus is missing or the description became empty, which screen
// readers do not say.
class RowDescriptionEvents final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowDescriptionEvents)

public:
    RowDescriptionEvents(QAbstractItemView &view, SpokenNotice &notice);

    // What is said of a row named `name` whose description became `description`.
    static QString spokenChange(const QString &name, const QString &description);

private:
    void remember();
    void compare(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                 const QList<int> &roles);

    QAbstractItemView &m_view;
    SpokenNotice &m_notice;
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

// A list that tells screen readers of its current row as focused only while it has the
// keyboard focus: QListView tells them of every new current row, and choosing a model makes
// the first version current in the other list, which screen readers would then take for the
// focus.
class FocusHonestList final : public QListView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusHonestList)

public:
    explicit FocusHonestList(QWidget *parent = nullptr) : QListView(parent) {}

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
