#include "ui/MainWindow.h"

#include "AppFixture.h"
#include "app/CatalogueRoles.h"
#include "bootloader/OpenFailureHelp.h"
#include "ui/ApplicationLaunch.h"
#include "ui/FullWidthButton.h"
#include "ui/HeaderView.h"
#include "ui/InfoPane.h"
#include "ui/ProductCell.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <cerrno>

// Release notes longer than the pane, ending in `last`.
static std::string manyLines(const std::string &last)
{
    return QString("line\n").repeated(40).toStdString() + last;
}

// The window on the controller, its catalogue two versions of X5 Pro.
class MainWindowTest : public AppFixture
{
protected:
    void SetUp() override
    {
        m_server.setBody(listPath, line("X5 Pro", "V1", "a") + line("X5 Pro", "V2", "a2"));
        m_server.setBody("/fw/a.txt", manyLines("notes of A"));
        m_window = applicationDidFinishLaunching(
            *qApp, makeApp(QUrl(QString::fromStdString(url(listPath)))));
        ASSERT_TRUE(waitForEnding("notes of A"));
    }

    // Answers the question the window asks next: the first event loop to run is the box's.
    void answerQuestion(bool stop)
    {
        QTimer::singleShot(0, [this, stop] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            m_question = box->text();
            for (QAbstractButton *button : box->buttons()) {
                if ((box->buttonRole(button) == QMessageBox::DestructiveRole) == stop) {
                    button->click();
                }
            }
        });
    }

    QString m_question;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, BandsInPlaceAndNamedForScreenReaders)
{
    MainWindow &w = *m_window;
    const std::tuple<QWidget *, QRect, QString> bands[] = {
        {w.banner(), QRect(0, 0, 500, 169), ""},
        {w.infoText(), QRect(0, 535, 500, 156), "Information"},
        {w.updateButton(), QRect(0, 691, 500, 48), "Update"},
        {w.productTable(), QRect(0, 170, 165, 365), "Models"},
        {w.firmwareTable(), QRect(166, 170, 334, 365), "Firmware versions"},
    };
    for (const auto &[widget, rect, name] : bands) {
        EXPECT_EQ(QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size()), rect);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.productTable())->role(), QAccessible::List);
}

// Run at ratio 1 and, as ui_tests.ratio2, on a screen of twice the pixel density.
TEST_F(MainWindowTest, LinesAndBannerStaySharpAtTheScreensPixelRatio)
{
    const int ratio = int(m_window->devicePixelRatio());
    ASSERT_EQ(ratio, std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR")));
    const QImage image = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The button's 1-pixel edge line covers whole device rows, with no blend below it.
    for (int row = 691 * ratio; row < 692 * ratio; ++row) {
        EXPECT_EQ(qGray(image.pixel(250, row)), 184);
    }
    EXPECT_EQ(qGray(image.pixel(250, 692 * ratio)), qGray(image.pixel(5, 735 * ratio)));
    if (ratio == 2) {
        // Drawn pixel for pixel from the banner's full-size picture.
        const QImage banner =
            QImage(QStringLiteral(":/HeaderBanner.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(image.copy(0, 0, 1000, 338) == banner);
    }
}

TEST_F(MainWindowTest, ClosingDuringAnUpdateAsksFirstAndStopsOnlyWhenConfirmed)
{
    // Long notes are shown from their first line; the update's lines follow the end.
    const QScrollBar &bar = *m_window->infoText()->verticalScrollBar();
    EXPECT_GT(bar.maximum(), 0);
    EXPECT_EQ(bar.value(), 0);
    const auto device = attachDevice();
    m_server.setBody("/fw/a.bin", std::string(4096, 'x'));
    QTest::mouseClick(m_window->updateButton(), Qt::LeftButton, {}, QPoint(250, 24));
    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("Update progress:"); }));
    EXPECT_EQ(bar.value(), bar.maximum());

    answerQuestion(false);
    EXPECT_FALSE(m_window->close());
    EXPECT_EQ(m_question, MainWindow::stopQuestion);
    EXPECT_TRUE(m_app->isUpdating());

    answerQuestion(true);
    EXPECT_TRUE(m_window->close());
    EXPECT_FALSE(device->isOpen());
    EXPECT_LT(device->imageReportCount(), 64u);
}

TEST_F(MainWindowTest, KeyboardAloneChoosesAVersionAndUpdates)
{
    const auto device = attachDevice();
    m_server.setBody("/fw/a2.bin", std::string(100, '\x5a'));
    m_server.setBody("/fw/a2.txt", "end of V2");
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    // Models, versions, the read-only pane, the button.
    EXPECT_EQ(QApplication::focusWidget(), m_window->productTable());
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_window->firmwareTable());
    press(Qt::Key_Down);
    ASSERT_TRUE(waitForEnding("end of V2"));
    press(Qt::Key_Tab);
    const QString shown = m_window->infoText()->toPlainText();
    press(Qt::Key_X);
    EXPECT_EQ(m_window->infoText()->toPlainText(), shown);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_window->updateButton());
    press(Qt::Key_Space);
    ASSERT_TRUE(waitForEnding("Update completed."));
    EXPECT_EQ(device->receivedImage().size(), 1024u);
}

TEST_F(MainWindowTest, AttachedDevicesMarkTheirModelRowWithoutMovingItsName)
{
    QListView &list = *m_window->productTable();
    const qreal ratio = list.devicePixelRatioF();
    const QRect row = list.visualRect(list.model()->index(0, 0));
    const auto grab = [&] {
        return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage unmarked = grab();
    const auto marked = [&](int attached, int unopenable) {
        const QModelIndex index = list.model()->index(0, 0);
        return QTest::qWaitFor(
            [&] {
                return index.data(CatalogueRoles::AttachedCountRole).toInt() == attached &&
                       index.data(CatalogueRoles::UnopenableCountRole).toInt() == unopenable;
            },
            20'000);
    };
    // Device pixels of the mark's rectangle near `colour`.
    const auto pixelsNear = [&](const QImage &image, const QRectF &mark, const QColor &colour) {
        int near = 0;
        const QRect pixels = QRectF(mark.topLeft() * ratio, mark.size() * ratio).toRect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                near += std::abs(pixel.red() - colour.red()) +
                                    std::abs(pixel.green() - colour.green()) +
                                    std::abs(pixel.blue() - colour.blue()) <
                                40
                            ? 1
                            : 0;
            }
        }
        return near;
    };
    // Everything left of the mark, the name included, is as it was.
    const auto nameUnmoved = [&](const QImage &image, const QRectF &mark) {
        const QRect left(0, int(row.top() * ratio),
                         int((mark.left() - ProductCell::markGap) * ratio),
                         int(row.height() * ratio));
        return image.copy(left) == unmarked.copy(left);
    };

    m_app->watchDevices(m_hid.hotplugMonitor());
    attachDevice();
    ASSERT_TRUE(marked(1, 0));
    const QRectF dot = ProductCell::markRect(row, 1, 0);
    EXPECT_TRUE(QRectF(row).adjusted(0, 0, -ProductCell::horizontalInset, 0).contains(dot));
    const QImage one = grab();
    EXPECT_GT(pixelsNear(one, dot, ProductCell::attachedMarkColor()), 0);
    EXPECT_TRUE(nameUnmoved(one, dot));

    attachDevice(behaviourWith(&SimulatedBootloaderDevice::Behaviour::openFailure,
                               std::optional<int32_t>(EACCES)));
    ASSERT_TRUE(marked(2, 1));
    const QRectF ring = ProductCell::markRect(row, 2, 1);
    const QImage blocked = grab();
    EXPECT_GT(pixelsNear(blocked, ring, ProductCell::unopenableMarkColor()), 0);
    EXPECT_EQ(pixelsNear(blocked, ring, ProductCell::attachedMarkColor()), 0);
    EXPECT_TRUE(nameUnmoved(blocked, ring));
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(&list)->child(0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Description),
              "2 devices attached, 1 of them this user may not open. " +
                  QString::fromStdString(*openPermissionHelp(EACCES)));
}
