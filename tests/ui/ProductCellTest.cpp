#include "ProductCell.h"

#include "ImageProbe.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QListView>
#include <QStandardItemModel>
#include <gtest/gtest.h>

namespace {

constexpr int cellWidth = 165;
const QString longName = QStringLiteral("Series X Wireless Controller Pro Edition 2024 Limited");

class ProductCellTest : public ::testing::Test
{
protected:
    QModelIndex row(const QString &text)
    {
        model.appendRow(new QStandardItem(text));
        return model.index(model.rowCount() - 1, 0);
    }
    QImage render(const QString &text)
    {
        return ImageProbe::renderCell(cell, row(text), {cellWidth, ProductCell::rowHeight});
    }

    QStandardItemModel model;
    ProductCell cell;
};

} // namespace

TEST_F(ProductCellTest, RowIs38High)
{
    EXPECT_EQ(cell.sizeHint(QStyleOptionViewItem(), row(QStringLiteral("K2"))).height(), 38);
}

TEST_F(ProductCellTest, LongTitleEndsInAnEllipsisWithinTheInsets)
{
    const QString shown = ProductCell::elidedTitle(longName, cellWidth);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(QFontMetricsF(ProductCell::titleFont()).horizontalAdvance(shown), cellWidth - 20);
    EXPECT_EQ(ProductCell::elidedTitle(QStringLiteral("K2"), cellWidth), QStringLiteral("K2"));
}

TEST_F(ProductCellTest, TitleSitsBetweenTheInsetsVerticallyCentredInItsColour)
{
    const QImage picture = render(longName);
    const QRect ink = ImageProbe::inkBounds(picture, 200);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.left(), 12);
    EXPECT_LT(ink.right(), cellWidth - 10);
    EXPECT_GT(ink.right(), cellWidth - 30);
    EXPECT_NEAR(ink.center().y(), ProductCell::rowHeight / 2.0, 3.0);
    EXPECT_NEAR(ImageProbe::darkestIn(picture, picture.rect()), 31, 1);
}

TEST_F(ProductCellTest, SelectedRowKeepsTheTextColourOverTheStyleHighlight)
{
    row(QStringLiteral("K2"));
    row(QStringLiteral("K3"));
    QListView view;
    view.setModel(&model);
    view.setItemDelegate(&cell);
    view.resize(cellWidth, 3 * ProductCell::rowHeight);
    view.selectionModel()->select(model.index(0, 0), QItemSelectionModel::Select);
    view.show();
    QCoreApplication::processEvents();

    const QImage picture = view.viewport()->grab().toImage();
    const QRect selected(0, 0, picture.width(), ProductCell::rowHeight);
    const QRect plain = selected.translated(0, ProductCell::rowHeight);
    const QPoint corner(picture.width() - 3, 3);
    const QPalette::ColorGroup group =
        view.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    EXPECT_EQ(QColor(picture.pixel(selected.topLeft() + corner)),
              view.palette().color(group, QPalette::Highlight));
    EXPECT_EQ(QColor(picture.pixel(plain.topLeft() + corner)),
              view.palette().color(group, QPalette::Base));
    EXPECT_NEAR(ImageProbe::darkestIn(picture, selected), 31, 1);
    EXPECT_NEAR(ImageProbe::darkestIn(picture, plain), 31, 1);
}
