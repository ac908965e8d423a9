#include "HeaderView.h"

#include <QPainter>
#include <gtest/gtest.h>

TEST(HeaderViewTest, CoverRectFillsTheBoundsKeepingProportionsAndCentred)
{
    const QRectF bounds(10, 20, 500, 169);
    // Wider: scale 1, 250 px cut on each side. Narrower: scale 2, 84.5 px cut top and bottom.
    EXPECT_EQ(HeaderView::coverRect({1000, 169}, bounds), QRectF(-240, 20, 1000, 169));
    EXPECT_EQ(HeaderView::coverRect({250, 169}, bounds), QRectF(10, -64.5, 500, 338));
    EXPECT_EQ(HeaderView::coverRect({1000, 338}, bounds), bounds);
    for (const QSizeF size : {QSizeF(0, 169), QSizeF(1000, 0), QSizeF(-5, 10)}) {
        EXPECT_TRUE(HeaderView::coverRect(size, bounds).isEmpty());
    }
}

TEST(HeaderViewTest, PaintsTheMiddleOfAWideImageAndBlackWithoutOne)
{
    const auto render = [](const QImage &image) {
        HeaderView view(image);
        view.resize(500, 169);
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    QImage wide(1000, 169, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QPainter(&wide).fillRect(250, 0, 500, 169, Qt::green);
    const QImage shown = render(wide);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(499, 168), qRgb(0, 255, 0));

    QImage black(500, 169, QImage::Format_RGB32);
    black.fill(Qt::black);
    for (const QImage &missing : {QImage(), QImage(0, 169, QImage::Format_RGB32)}) {
        EXPECT_TRUE(render(missing) == black);
    }
    EXPECT_EQ(QImage(QStringLiteral(":/HeaderBanner.png")).size(), QSize(1000, 338));
}
