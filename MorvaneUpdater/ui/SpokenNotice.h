#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

// What screen readers are to say at once, wherever the focus is. Each saying is an object of
// the notification role, outside the window's tree of bands, that carries the words as its
// name and is told as shown: Orca speaks such a notification as it appears, while it speaks
// neither a description change that Qt hands on without its text nor lines inserted without a
// key press that caused them. Screen readers ask for the name only when they come to the
// event, so each saying keeps its own words and stays until later ones have replaced it.
class SpokenNotice final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpokenNotice)

public:
    // The sayings belong to `window`, which screen readers take as their parent.
    explicit SpokenNotice(QWidget &window);

    void say(const QString &words);
    // Nothing said so far remains to be read.
    void withdraw();

private:
    QWidget &m_window;
    QList<QObject *> m_sayings;
};
