#include "FirmwareCell.h"
#include "HeaderView.h"

#include <QPainter>
#include <QStandardItemModel>
#include <gtest/gtest.h>

// Bounding box of the ink darker than `threshold` in a 335x50 firmware row painted on white.
static QRect ink(const QString &title, const QString &detail, int threshold)
{
    QStandardItemModel model;
    auto *item = new QStandardItem(title);
    item->setData(detail, FirmwareCell::DetailRole);
    model.appendRow(item);
    QImage image(335, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = QStyle::State_Enabled | QStyle::State_Active;
    QPainter painter(&image);
    FirmwareCell().paint(&painter, option, model.index(0, 0));
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

TEST(FirmwareCellTest, DarkTitleAboveLighterDetail)
{
    const QString title = QStringLiteral("MORVANE K2  V1.2.0");
    const QString detail = QStringLiteral("Copyright MORVANE Technology");
    EXPECT_LT(ink(title, {}, 200).bottom(), ink({}, detail, 200).top());
    // The detail's grey is lighter than 80, the title's darker.
    EXPECT_TRUE(ink({}, detail, 80).isEmpty());
    EXPECT_FALSE(ink(title, {}, 80).isEmpty());
}

TEST(HeaderViewTest, TheImageCoversTheBandCentred)
{
    // Narrower: scale 2, 84.5 px cut top and bottom; without a size, nothing to draw.
    const QRectF bounds(10, 20, 500, 169);
    EXPECT_EQ(HeaderView::coverRect({250, 169}, bounds), QRectF(10, -64.5, 500, 338));
    EXPECT_EQ(HeaderView::coverRect({1000, 169}, bounds), QRectF(-240, 20, 1000, 169));
    EXPECT_TRUE(HeaderView::coverRect({0, 169}, bounds).isEmpty());
}
