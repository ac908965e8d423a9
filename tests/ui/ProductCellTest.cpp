#include "ui/ProductCell.h"

#include "app/CatalogueRoles.h"
#include "bootloader/OpenFailureHelp.h"
#include "ui/InfoPane.h"
#include "ui/MainWindow.h"
#include "ui/UnbreakableNames.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

bool near(const QColor &pixel, const QColor &colour, int tolerance = 120)
{
    return std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
               std::abs(pixel.blue() - colour.blue()) <
           tolerance;
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
            // Inside the edge (the ring's stroke, the pill's rim) lies the mark's plain inside,
            // white or green; a row's text keeps clear of the edge on both sides, also where
            // the ends curve in towards the text's top and bottom.
            const QColor inside =
                unopenable > 0 ? QColor(Qt::white) : ProductCell::attachedMarkColor();
            bool anyText = false;
            for (int y = int(mark.top() * ratio); y < int(mark.bottom() * ratio); ++y) {
                std::vector<bool> plain;
                for (int x = int(mark.left() * ratio) - 1; x <= int(mark.right() * ratio) + 1;
                     ++x) {
                    plain.push_back(near(image.pixelColor(x, y), inside, 30));
                }
                // From each side: the white around the mark, the edge, then the clear inside.
                const auto clearFrom = [&](auto begin, auto end) {
                    auto at = std::find_if(begin, end, [](bool p) { return !p; });
                    at = std::find(std::find(at, end, unopenable > 0), end, true);
                    return std::make_pair(at, std::find(at, end, false));
                };
                const auto [leftClear, leftText] = clearFrom(plain.begin(), plain.end());
                const auto [rightClear, rightText] = clearFrom(plain.rbegin(), plain.rend());
                if (leftText == plain.end() ||
                    leftText - plain.begin() >= plain.rend() - rightText) {
                    continue; // no text in this row
                }
                anyText = true;
                EXPECT_GE(double(std::min(leftText - leftClear, rightText - rightClear)), 2 * ratio)
                    << "row " << y;
            }
            EXPECT_TRUE(anyText);
        }
    }
}

// The lines of `document` that end inside a word: a break a person would not make.
QStringList linesBrokenInsideAWord(QTextDocument &document)
{
    document.size(); // laid out only when asked
    QStringList broken;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        document.documentLayout()->blockBoundingRect(block); // this block too
        const QTextLayout &layout = *block.layout();
        for (int i = 0; i + 1 < layout.lineCount(); ++i) {
            const QString line =
                block.text().mid(layout.lineAt(i).textStart(), layout.lineAt(i).textLength());
            if (!line.isEmpty() && !line.back().isSpace()) {
                broken.append(withoutBreakGuards(line));
            }
        }
    }
    return broken;
}

// Tooltips wrap only when too wide, and never inside a file name, command or path; nor does the
// pane.
TEST(ProductCellTest, ToolTipsWrapOnlyWhenTooWide)
{
    // Where the platform has no permission help, one that ends the same way.
    const QString help =
        QString::fromStdString(openPermissionHelp(EACCES, ManualPage::omitted)
                                   .value_or("Plug it in again; morvane-flash "
                                             "doctor tells what stands in the way."));
    const std::tuple<QString, bool, const char *> tips[] = {
        {"X5 Pro\nDevice attached", false, "<td>Device attached</td>"},
        {"X5 Pro\nDevice attached, but this user may not open it\n" + help, true,
         "doctor tells what stands in the way.</td>"},
        {"A &lt; B", false, "A &amp;lt; B"},
        {"X5 Pro\nCannot open /dev/hidraw0: the rule /etc/udev/rules.d/70-morvane-updater.rules "
         "is missing; morvane-flash doctor --fix-udev-rule writes it to /etc/udev/rules.d.",
         true, "is missing;"},
    };
    for (const auto &[text, wrapped, shown] : tips) {
        const QString html = toolTipHtml(text);
        EXPECT_EQ(html.contains(QString("width=\"%1\"").arg(toolTipWidth)), wrapped);
        EXPECT_TRUE(withoutBreakGuards(html).contains(shown)) << html.toStdString();
        // Wrapped at any width that holds the longest of them, no file name, command or path
        // is broken.
        QTextDocument document;
        document.setDefaultFont(QToolTip::font());
        for (int width = 280; width <= toolTipWidth; width += 6) {
            document.setHtml(QString(html).replace(QString("width=\"%1\"").arg(toolTipWidth),
                                                   QString("width=\"%1\"").arg(width)));
            document.setTextWidth(width);
            EXPECT_EQ(linesBrokenInsideAWord(document).join('|').toStdString(), "") << width;
        }
        // So does the pane, which copies them as given.
        InfoPane pane;
        pane.show();
        pane.showText(text, false);
        for (int width = 320; width <= MainWindow::contentWidth; width += 6) {
            pane.resize(width, MainWindow::infoPaneHeight);
            EXPECT_EQ(linesBrokenInsideAWord(*pane.document()).join('|').toStdString(), "");
        }
        pane.selectAll();
        pane.copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    }
}
