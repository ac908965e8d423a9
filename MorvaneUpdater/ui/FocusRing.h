#pragma once

#include <QWidget>

// A 2-pixel ring of the accent colour along the inside edges of a widget while it has the
// keyboard focus, for the lists and the pane, which show no focus of their own. It lies over
// the widget, scroll bars included, as a child of the widget's window (a child of the widget
// would go under scroll bars that are laid out again later), takes no room from it and lets
// the mouse through, so the unfocused widget looks exactly as it would without it.
class FocusRing final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusRing)

public:
    static constexpr int lineWidth = 2;

    // `target` must already be placed in its window.
    explicit FocusRing(QWidget &target);

    static QColor color();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitTarget();

    QWidget &m_target;
};
