#include "ProductCell.h"

#include "ImageProbe.h"

#include <gtest/gtest.h>

TEST(ProductCellTest, LongTitleEndsInAnEllipsisBetweenTheInsetsOfA38PixelRow)
{
    const QString name = QStringLiteral("Series X Wireless Controller Pro Edition 2024 Limited");
    EXPECT_EQ(ProductCell().sizeHint({}, {}).height(), 38);
    EXPECT_TRUE(ProductCell::elidedTitle(name, 165).endsWith(QChar(0x2026)));
    EXPECT_EQ(ProductCell::elidedTitle(QStringLiteral("K2"), 165), QStringLiteral("K2"));

    const auto render = [&](QStyle::State state) {
        return ImageProbe::renderCell(ProductCell(), new QStandardItem(name), {165, 38}, state);
    };
    const QRect ink = ImageProbe::inkBounds(render({}), 200);
    EXPECT_NEAR(ink.left(), 11, 1);
    EXPECT_LT(ink.right(), 155);
    EXPECT_GT(ink.right(), 135);
    EXPECT_NEAR(ink.center().y(), 19, 3);
    // Selected or not, the title keeps its dark grey.
    EXPECT_NEAR(ImageProbe::darkest(render({})), 31, 1);
    EXPECT_NEAR(ImageProbe::darkest(render(QStyle::State_Selected)), 31, 1);
}
