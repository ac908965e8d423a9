#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The flat update button along the bottom of the window. Paints its own background by
// state, a 1-pixel line along its top edge and a centred bold title; `clicked` fires once
// per release inside the enabled button.
class FullWidthButton final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FullWidthButton)

public:
    static constexpr int titlePixelSize = 18;

    explicit FullWidthButton(QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool isPressed() const { return m_pressed; }

    QColor backgroundColor() const;
    QColor titleColor() const;
    static QColor edgeLineColor();
    static QFont titleFont();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_title = QStringLiteral("Update");
    bool m_pressed = false;
};
