#include "FirmwareCell.h"

#include "ImageProbe.h"

#include <QFontMetricsF>
#include <QStandardItemModel>
#include <gtest/gtest.h>

namespace {

constexpr int cellWidth = 335;
const QString title = QStringLiteral("MORVANE K2  V1.2.0");
const QString detail = QStringLiteral("Copyright MORVANE Technology");

class FirmwareCellTest : public ::testing::Test
{
protected:
    QImage render(const QString &titleText, const QString &detailText)
    {
        auto *item = new QStandardItem(titleText);
        item->setData(detailText, FirmwareCell::DetailRole);
        model.appendRow(item);
        return ImageProbe::renderCell(cell, model.index(model.rowCount() - 1, 0),
                                      {cellWidth, FirmwareCell::rowHeight});
    }

    QStandardItemModel model;
    FirmwareCell cell;
};

// The title is drawn at 0.12 and the detail at 0.47, so only title ink is darker than 80.
constexpr int titleInk = 80;
constexpr int anyInk = 200;

} // namespace

TEST_F(FirmwareCellTest, RowIs50High)
{
    model.appendRow(new QStandardItem(title));
    EXPECT_EQ(cell.sizeHint(QStyleOptionViewItem(), model.index(0, 0)).height(), 50);
}

TEST_F(FirmwareCellTest, TitleAboveGreyDetailWithThePairCentred)
{
    const QImage titleOnly = render(title, QString());
    const QImage detailOnly = render(QString(), detail);
    const QRect titleBox = ImageProbe::inkBounds(titleOnly, anyInk);
    const QRect detailBox = ImageProbe::inkBounds(detailOnly, anyInk);
    ASSERT_FALSE(titleBox.isEmpty());
    ASSERT_FALSE(detailBox.isEmpty());

    EXPECT_LT(titleBox.bottom(), detailBox.top());
    EXPECT_GE(titleBox.left(), 5);
    EXPECT_LE(titleBox.left(), 8);
    EXPECT_GE(detailBox.left(), 5);
    EXPECT_LE(detailBox.left(), 7);
    EXPECT_NEAR((titleBox | detailBox).center().y(), FirmwareCell::rowHeight / 2.0, 4.0);

    EXPECT_NEAR(ImageProbe::darkestIn(titleOnly, titleOnly.rect()), 31, 1);
    const int detailDarkest = ImageProbe::darkestIn(detailOnly, detailOnly.rect());
    EXPECT_GE(detailDarkest, 119);
    EXPECT_LE(detailDarkest, 140);
}

TEST_F(FirmwareCellTest, LineRectsAreTwoPixelsApartAndInset)
{
    const FirmwareCell::LineRects lines = FirmwareCell::lineRects(QRectF(0, 100, 300, 50));
    EXPECT_EQ(lines.title.left(), 5);
    EXPECT_EQ(lines.title.right(), 295);
    EXPECT_DOUBLE_EQ(lines.detail.top() - lines.title.bottom(), 2);
    EXPECT_DOUBLE_EQ(lines.title.top() - 100, 150 - lines.detail.bottom());
}

TEST_F(FirmwareCellTest, EmptyDetailKeepsTheTitleInPlace)
{
    const QRect withDetail = ImageProbe::inkBounds(render(title, detail), titleInk);
    const QRect withoutDetail = ImageProbe::inkBounds(render(title, QString()), titleInk);
    ASSERT_FALSE(withDetail.isEmpty());
    EXPECT_EQ(withDetail, withoutDetail);
}

TEST_F(FirmwareCellTest, LongLinesEndInAnEllipsis)
{
    const QString longTitle = title + QStringLiteral(" Extended Edition for the 2024 Series");
    const QString longDetail = detail + QStringLiteral(" Co., Ltd. All rights reserved worldwide");
    const QString shownTitle = FirmwareCell::elidedTitle(longTitle, cellWidth);
    const QString shownDetail = FirmwareCell::elidedDetail(longDetail, cellWidth);
    EXPECT_TRUE(shownTitle.endsWith(QChar(0x2026))) << shownTitle.toStdString();
    EXPECT_TRUE(shownDetail.endsWith(QChar(0x2026))) << shownDetail.toStdString();
    EXPECT_LE(QFontMetricsF(FirmwareCell::titleFont()).horizontalAdvance(shownTitle),
              cellWidth - 10);
    EXPECT_LE(QFontMetricsF(FirmwareCell::detailFont()).horizontalAdvance(shownDetail),
              cellWidth - 10);
    EXPECT_EQ(FirmwareCell::elidedTitle(title, cellWidth), title);

    const QRect ink = ImageProbe::inkBounds(render(longTitle, longDetail), anyInk);
    EXPECT_LT(ink.right(), cellWidth - 5);
}
