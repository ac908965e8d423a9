#include "ui/SpokenNotice.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace {

// Enough for a screen reader some events behind; the start of an update and its outcome are
// the most said at once.
constexpr qsizetype keptSayings = 4;

class SayingAccessible final : public QAccessibleObject
{
public:
    SayingAccessible(QObject &saying, QWidget &window, const QString &words)
        : QAccessibleObject(&saying), m_window(window), m_words(words)
    {
    }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(&m_window);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface * /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_words : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QWidget &m_window;
    const QString m_words;
};

} // namespace

SpokenNotice::SpokenNotice(QWidget &window) : QObject(&window), m_window(window)
{
}

void SpokenNotice::say(const QString &words)
{
    if (words.isEmpty()) {
        return;
    }
    auto *saying = new QObject(this);
    auto *accessible = new SayingAccessible(*saying, m_window, words);
    // Registered, the interface is the one queries for the object find, and goes with it.
    QAccessible::registerAccessibleInterface(accessible);
    m_sayings.append(saying);
    if (m_sayings.size() > keptSayings) {
        delete m_sayings.takeFirst();
    }
    QAccessibleEvent shown(accessible, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void SpokenNotice::withdraw()
{
    qDeleteAll(m_sayings);
    m_sayings.clear();
}
