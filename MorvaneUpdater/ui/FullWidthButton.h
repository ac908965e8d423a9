#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The flat update button along the bottom of the window. Paints its own background by
// state, a 1-pixel line along its top edge and a centred bold title; `clicked` fires once
// per release inside the enabled button. Tab reaches it; Space or Enter then press it as
// the left mouse button does. Screen readers see a push button named after its title.
class FullWidthButton final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FullWidthButton)

public:
    static constexpr int titlePixelSize = 18;
    static constexpr int focusRingInset = 3;
    static constexpr int focusRingWidth = 2;

    explicit FullWidthButton(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool isPressed() const { return m_pressed; }

    // Sends `clicked` as a completed click would; nothing while the button is disabled.
    void click();

    QColor backgroundColor() const;
    QColor titleColor() const;
    static QColor edgeLineColor();
    static QFont titleFont();
    static QColor focusRingColor();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_title = QStringLiteral("Update");
    bool m_pressed = false;
    // The key that holds the button down, while one does.
    int m_pressKey = 0;
};
