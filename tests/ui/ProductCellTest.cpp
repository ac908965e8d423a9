#include "ui/ProductCell.h"

#include "app/CatalogueRoles.h"
#include "bootloader/OpenFailureHelp.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

bool near(const QColor &pixel, const QColor &colour)
{
    return std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
               std::abs(pixel.blue() - colour.blue()) <
           120;
}

} // namespace

// The mark's text keeps clear of its edge (the amber ring, or the green pill's own edge) at
// both pixel ratios, for one to three characters.
TEST(ProductCellTest, MarkTextKeepsAMarginInsideItsEdge)
{
    const std::tuple<int, int, const char *> marks[] = {
        {1, 1, "!"}, {2, 1, "2!"},  {3, 2, "3!"},    {12, 1, "12!"},
        {2, 0, "2"}, {12, 0, "12"}, {123, 0, "123"},
    };
    QStandardItemModel model(1, 1);
    ProductCell cell;
    const QRect cellRect(0, 0, 165, 38);
    for (const qreal ratio : {1.0, 2.0}) {
        for (const auto &[attached, unopenable, text] : marks) {
            SCOPED_TRACE(std::string(text) + (ratio > 1 ? " at 2x" : " at 1x"));
            model.setData(model.index(0, 0), "X5", Qt::DisplayRole);
            model.setData(model.index(0, 0), attached, CatalogueRoles::AttachedCountRole);
            model.setData(model.index(0, 0), unopenable, CatalogueRoles::UnopenableCountRole);
            QImage image(cellRect.size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                QStyleOptionViewItem option;
                option.rect = cellRect;
                cell.paint(&painter, option, model.index(0, 0));
            }
            const QRectF mark = ProductCell::markRect(cellRect, attached, unopenable);
            const bool ring = unopenable > 0;
            // The edge's colour, and the text's where it differs from the edge's.
            const QColor edge =
                ring ? ProductCell::unopenableMarkColor() : ProductCell::attachedMarkColor();
            const QColor ink = ring ? edge : QColor(Qt::white);
            // Columns with ink in the middle half of the mark's height, where the ends of
            // the pill run close to upright.
            const int top = int((mark.top() + mark.height() * 0.25) * ratio);
            const int bottom = int((mark.bottom() - mark.height() * 0.25) * ratio);
            std::vector<bool> inked;
            const int left = int(mark.left() * ratio);
            const int right = int(mark.right() * ratio);
            for (int x = left; x <= right; ++x) {
                bool any = false;
                for (int y = top; y <= bottom; ++y) {
                    any = any || near(image.pixelColor(x, y), ink);
                }
                inked.push_back(any);
            }
            // From each side: the ring's own ink (none for the pill), then the clear margin.
            for (const bool fromRight : {false, true}) {
                std::vector<bool> columns = inked;
                if (fromRight) {
                    std::reverse(columns.begin(), columns.end());
                }
                // Past what lies outside the mark (white, as the pill's text is), then past
                // the ring.
                std::size_t at = 0;
                while (at < columns.size() && columns[at] != ring) {
                    ++at;
                }
                while (ring && at < columns.size() && columns[at]) {
                    ++at;
                }
                std::size_t clear = 0;
                while (at + clear < columns.size() && !columns[at + clear]) {
                    ++clear;
                }
                EXPECT_GE(double(clear), 2 * ratio) << (fromRight ? "right " : "left ") << clear;
                EXPECT_LT(at + clear, columns.size()) << "no text";
            }
        }
    }
}

TEST(ProductCellTest, ToolTipsWrapOnlyWhenTooWideAndSendNobodyToAManualPage)
{
    // Where the platform has no permission help, one that ends the same way.
    const QString help = QString::fromStdString(openPermissionHelp(EACCES).value_or(
        "Plug it in again; morvane-flash doctor tells what stands in the way (man "
        "morvane-flash, section PERMISSIONS)."));
    const std::tuple<QString, bool, const char *> tips[] = {
        {"X5 Pro\nDevice attached", false, "<td>Device attached</td>"},
        {"X5 Pro\nDevice attached, but this user may not open it\n" + help, true,
         "doctor tells what stands in the way.</td>"},
        {"A &lt; B", false, "A &amp;lt; B"},
    };
    for (const auto &[text, wrapped, shown] : tips) {
        const QString html = toolTipHtml(text);
        EXPECT_EQ(html.contains(QString("width=\"%1\"").arg(toolTipWidth)), wrapped);
        EXPECT_TRUE(html.contains(shown)) << html.toStdString();
        EXPECT_FALSE(html.contains("man morvane-flash"));
    }
}
