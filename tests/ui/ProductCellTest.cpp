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
                    // In the ring, the faintest edge of the text or of the ring's stroke
                    // counts: only untouched white is a margin.
                    const QColor pixel = image.pixelColor(x, y);
                    any = any || (ring ? !near(pixel, Qt::white, 30) : near(pixel, ink));
                }
                inked.push_back(any);
            }
            // In a ring, also row by row over its whole height, where its ends curve in
            // towards the text.
            for (int y = int(mark.top() * ratio); ring && y < int(mark.bottom() * ratio); ++y) {
                std::vector<bool> row;
                for (int x = left; x <= right; ++x) {
                    row.push_back(!near(image.pixelColor(x, y), Qt::white, 30));
                }
                // Inside the ring's stroke on either side, the text's first and last ink.
                std::size_t from = 0;
                while (from < row.size() && !row[from]) {
                    ++from;
                }
                while (from < row.size() && row[from]) {
                    ++from;
                }
                std::size_t to = row.size();
                while (to > from && !row[to - 1]) {
                    --to;
                }
                while (to > from && row[to - 1]) {
                    --to;
                }
                const auto first = std::find(row.begin() + from, row.begin() + to, true);
                if (first == row.begin() + to) {
                    continue;
                }
                const auto last =
                    std::find(row.rbegin() + (row.size() - to), row.rend() - from, true);
                const auto leftClear = first - (row.begin() + from);
                const auto rightClear = last - (row.rbegin() + (row.size() - to));
                EXPECT_GE(double(std::min(leftClear, rightClear)), 2 * ratio)
                    << "row " << y << ": " << leftClear << " left, " << rightClear << " right";
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
        {"X5 Pro\nThe rule /etc/udev/rules.d/70-morvane-updater.rules is missing; "
         "morvane-flash doctor --fix-udev-rule writes it to /etc/udev/rules.d.",
         true, "is missing;"},
    };
    for (const auto &[text, wrapped, shown] : tips) {
        const QString html = toolTipHtml(text);
        EXPECT_EQ(html.contains(QString("width=\"%1\"").arg(toolTipWidth)), wrapped);
        EXPECT_TRUE(withoutBreakGuards(html).contains(shown)) << html.toStdString();
        EXPECT_FALSE(withoutBreakGuards(html).contains("man morvane-flash"));
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
    }
}

// The pane lays out file names, commands and paths unbroken too, and copies them as given.
TEST(InfoPaneTest, NamesNeverBreakAndAreCopiedAsGiven)
{
    const QString texts[] = {
        QString::fromStdString(openPermissionHelp(EACCES).value_or(
            "Plug it in again; morvane-flash doctor tells what stands in the way (man "
            "morvane-flash, section PERMISSIONS).")),
        "Update failed: cannot open /dev/hidraw0; morvane-flash doctor --fix-udev-rule "
        "writes /etc/udev/rules.d/70-morvane-updater.rules.",
    };
    for (const QString &text : texts) {
        InfoPane pane;
        pane.show();
        pane.showText("notes\n\n" + text, true);
        for (int width = 320; width <= MainWindow::contentWidth; width += 6) {
            pane.resize(width, MainWindow::infoPaneHeight);
            EXPECT_EQ(linesBrokenInsideAWord(*pane.document()).join('|').toStdString(), "")
                << width;
        }
        pane.selectAll();
        pane.copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                  ("notes\n\n" + text).toStdString());
    }
}
