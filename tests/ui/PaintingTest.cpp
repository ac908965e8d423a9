#include "FirmwareCell.h"
#include "HeaderView.h"
#include "ImageProbe.h"
#include "ProductCell.h"

#include <gtest/gtest.h>

using ImageProbe::darkest;
using ImageProbe::inkBounds;

TEST(FirmwareCellTest, DarkTitleAboveGreyDetailCentredInA50PixelRowAndCutInside)
{
    const auto render = [](const QString &title, const QString &detail) {
        auto *item = new QStandardItem(title);
        item->setData(detail, FirmwareCell::DetailRole);
        return ImageProbe::renderCell(FirmwareCell(), item, {335, 50});
    };
    const QString title = QStringLiteral("MORVANE K2  V1.2.0");
    const QString detail = QStringLiteral("Copyright MORVANE Technology");
    EXPECT_EQ(FirmwareCell().sizeHint({}, {}).height(), 50);
    const QImage titleOnly = render(title, {});
    const QImage detailOnly = render({}, detail);
    const QRect titleInk = inkBounds(titleOnly, 200);
    const QRect detailInk = inkBounds(detailOnly, 200);
    EXPECT_LT(titleInk.bottom(), detailInk.top());
    EXPECT_NEAR((titleInk | detailInk).center().y(), 25, 4);
    EXPECT_NEAR(darkest(titleOnly), 31, 1);
    EXPECT_NEAR(darkest(detailOnly), 130, 11);
    // Only title ink is darker than 80: an empty detail leaves the title where it was.
    EXPECT_EQ(inkBounds(render(title, detail), 80), inkBounds(titleOnly, 80));
    // Long lines end in an ellipsis inside the cell.
    const QString longer = QStringLiteral(" Extended Edition Co., Ltd. All rights reserved");
    EXPECT_LT(inkBounds(render(title + longer, detail + longer), 200).right(), 330);
}

TEST(ProductCellTest, LongTitleEndsInAnEllipsisBetweenTheInsetsOfA38PixelRow)
{
    const QString name = QStringLiteral("Series X Wireless Controller Pro Edition 2024 Limited");
    EXPECT_EQ(ProductCell().sizeHint({}, {}).height(), 38);
    const auto render = [&](QStyle::State state) {
        return ImageProbe::renderCell(ProductCell(), new QStandardItem(name), {165, 38}, state);
    };
    const QRect ink = inkBounds(render({}), 200);
    EXPECT_NEAR(ink.left(), 11, 1);
    EXPECT_LT(ink.right(), 155);
    EXPECT_GT(ink.right(), 135);
    EXPECT_NEAR(ink.center().y(), 19, 3);
    // Selected or not, the title keeps its dark grey.
    EXPECT_NEAR(darkest(render({})), 31, 1);
    EXPECT_NEAR(darkest(render(QStyle::State_Selected)), 31, 1);
}

TEST(HeaderViewTest, TheImageCoversTheBandCentredAndIsBlackWithoutOne)
{
    // Narrower: scale 2, 84.5 px cut top and bottom; without a size, nothing to draw.
    const QRectF bounds(10, 20, 500, 169);
    EXPECT_EQ(HeaderView::coverRect({250, 169}, bounds), QRectF(10, -64.5, 500, 338));
    EXPECT_TRUE(HeaderView::coverRect({0, 169}, bounds).isEmpty());

    const auto render = [](const QImage &image) {
        HeaderView view(image);
        view.resize(500, 169);
        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Wider: only the middle 500 px of a 1000 px image are shown.
    QImage wide(1000, 169, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QPainter(&wide).fillRect(250, 0, 500, 169, Qt::green);
    const QImage shown = render(wide);
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(499, 168), qRgb(0, 255, 0));
    QImage black(500, 169, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_TRUE(render(QImage()) == black);
}
