#include "HeaderView.h"

#include "ImageProbe.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRectF banner(0, 0, 500, 169);

// An image split into horizontal or vertical bands of the given colours and lengths.
QImage bands(Qt::Orientation along, const QList<std::pair<int, QColor>> &parts, int across)
{
    int total = 0;
    for (const auto &part : parts) {
        total += part.first;
    }
    QImage image = along == Qt::Horizontal ? QImage(total, across, QImage::Format_RGB32)
                                           : QImage(across, total, QImage::Format_RGB32);
    QPainter painter(&image);
    int at = 0;
    for (const auto &[length, colour] : parts) {
        painter.fillRect(along == Qt::Horizontal ? QRect(at, 0, length, across)
                                                 : QRect(0, at, across, length),
                         colour);
        at += length;
    }
    return image;
}

QImage render(const QImage &picture)
{
    HeaderView view(picture);
    view.resize(banner.size().toSize());
    return view.grab().toImage();
}

bool isGreen(QRgb pixel)
{
    return qGreen(pixel) > 230 && qRed(pixel) < 25 && qBlue(pixel) < 25;
}

} // namespace

TEST(HeaderViewCoverRect, CoversTheBannerKeepingProportionsAndCentred)
{
    // Wider than the banner: scale 1, 250 px cut on each side.
    EXPECT_EQ(HeaderView::coverRect({1000, 169}, banner), QRectF(-250, 0, 1000, 169));
    // Narrower: scale 2, 84.5 px cut at top and bottom.
    EXPECT_EQ(HeaderView::coverRect({250, 169}, banner), QRectF(0, -84.5, 500, 338));
    // Same proportions: an exact fit, whatever the image's own size.
    EXPECT_EQ(HeaderView::coverRect({1000, 338}, banner), banner);
    EXPECT_EQ(HeaderView::coverRect({500, 169}, banner), banner);
    // Centred on the bounds, not on the origin.
    EXPECT_EQ(HeaderView::coverRect({1000, 169}, QRectF(10, 20, 500, 169)),
              QRectF(-240, 20, 1000, 169));
}

TEST(HeaderViewCoverRect, ImageWithoutAreaGivesNoRect)
{
    EXPECT_TRUE(HeaderView::coverRect({0, 169}, banner).isEmpty());
    EXPECT_TRUE(HeaderView::coverRect({1000, 0}, banner).isEmpty());
    EXPECT_TRUE(HeaderView::coverRect({-5, 10}, banner).isEmpty());
}

TEST(HeaderViewPaint, WideImageShowsOnlyItsMiddle)
{
    const QImage picture =
        render(bands(Qt::Horizontal, {{250, Qt::red}, {500, Qt::green}, {250, Qt::blue}}, 169));
    for (const int x : {0, 1, 250, 498, 499}) {
        for (const int y : {0, 84, 168}) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_TRUE(isGreen(picture.pixel(x, y)));
        }
    }
}

TEST(HeaderViewPaint, NarrowImageShowsOnlyItsMiddleRows)
{
    // Rows 42..126 of the source cover rows -0.5..169.5 once doubled and centred.
    const QImage picture =
        render(bands(Qt::Vertical, {{42, Qt::red}, {85, Qt::green}, {42, Qt::blue}}, 250));
    for (const int y : {1, 84, 167}) {
        for (const int x : {0, 250, 499}) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            EXPECT_TRUE(isGreen(picture.pixel(x, y)));
        }
    }
}

TEST(HeaderViewPaint, ProportionalImageFillsTheBannerExactly)
{
    QImage source(1000, 338, QImage::Format_RGB32);
    QPainter painter(&source);
    painter.fillRect(0, 0, 500, 169, Qt::red);
    painter.fillRect(500, 0, 500, 169, Qt::green);
    painter.fillRect(0, 169, 500, 169, Qt::blue);
    painter.fillRect(500, 169, 500, 169, Qt::white);
    painter.end();

    const QImage picture = render(source);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(499, 0), qRgb(0, 255, 0));
    EXPECT_EQ(picture.pixel(0, 168), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(499, 168), qRgb(255, 255, 255));
}

TEST(HeaderViewPaint, MissingEmptyOrTransparentImageShowsBlack)
{
    QImage transparent(100, 34, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    for (const QImage &source : {QImage(), QImage(0, 169, QImage::Format_RGB32),
                                 QImage(1000, 0, QImage::Format_RGB32), transparent}) {
        const QImage picture = render(source);
        ASSERT_EQ(picture.size(), QSize(500, 169));
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                ASSERT_EQ(picture.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            }
        }
    }
}

TEST(HeaderViewPaint, BundledBannerLoadsWithTheBannerProportions)
{
    const QImage bundled(QStringLiteral(":/HeaderBanner.png"));
    ASSERT_FALSE(bundled.isNull());
    EXPECT_EQ(bundled.size(), QSize(1000, 338));
}
