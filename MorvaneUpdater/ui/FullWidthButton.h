#pragma once

#include <QAbstractButton>
#include <QColor>

// The flat update button along the bottom of the window: Qt's button behaviour under a
// painting of our own (a grey by state, a 1-pixel line along the top edge, a centred bold
// title). A press keeps its look wherever the pointer goes; only where it is released decides
// whether the button clicks. Tab reaches it; Return and Enter press it as Space does; arrow keys
// leave the focus on it. Screen readers see a push button named after its text.
class FullWidthButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FullWidthButton)

public:
    explicit FullWidthButton(QWidget *parent = nullptr);

    static QColor focusRingColor();

    // As wide as the title and a margin on either side clear of the focus ring, so that a
    // layout never gives the button less than its title, in any language.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
};
