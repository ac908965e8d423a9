#pragma once

#include <QImage>
#include <QWidget>

// The banner: one image scaled to cover the whole view, centred, over black.
class HeaderView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HeaderView)

public:
    explicit HeaderView(const QImage &image, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
