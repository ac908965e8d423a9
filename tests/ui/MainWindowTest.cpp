#include "ui/MainWindow.h"

#include "AppFixture.h"
#include "app/CatalogueRoles.h"
#include "bootloader/OpenFailureHelp.h"
#include "ui/ApplicationLaunch.h"
#include "ui/FocusRing.h"
#include "ui/FullWidthButton.h"
#include "ui/HeaderView.h"
#include "ui/InfoPane.h"
#include "ui/ProductCell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <cerrno>
#include <optional>

// Release notes longer than the pane, ending in `last`.
static std::string manyLines(const std::string &last)
{
    return QString("line\n").repeated(40).toStdString() + last;
}

// The window on the controller, its catalogue two versions of X5 Pro and one of Z9.
class MainWindowTest : public AppFixture
{
protected:
    void SetUp() override
    {
        m_server.setBody(listPath, line("X5 Pro", "V1", "a") + line("X5 Pro", "V2", "a2") +
                                       line("Z9", "V9", "z"));
        m_server.setBody("/fw/a.txt", manyLines("notes of A"));
        m_window = applicationDidFinishLaunching(
            *qApp, makeApp(QUrl(QString::fromStdString(url(listPath)))));
        ASSERT_TRUE(waitForEnding("notes of A"));
    }

    // Answers the question the window asks next: the first event loop to run is the box's.
    // Without an answer the question is left open; one still open after a minute is noted
    // and turned down.
    void answerQuestion(std::optional<bool> stop)
    {
        m_question.clear();
        m_questionLeftOpen = false;
        QTimer::singleShot(0, [this, stop] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            m_question = box->text();
            if (!stop) {
                QTimer::singleShot(60'000, box, [this, box] {
                    m_questionLeftOpen = true;
                    box->reject();
                });
                return;
            }
            for (QAbstractButton *button : box->buttons()) {
                if ((box->buttonRole(button) == QMessageBox::DestructiveRole) == *stop) {
                    button->click();
                }
            }
        });
    }

    QString m_question;
    bool m_questionLeftOpen = false;
    std::unique_ptr<MainWindow> m_window;
};

// Run on every screen, and as ui_tests.screen720 on one too short for the window.
TEST_F(MainWindowTest, OnEveryScreenTheFrameFitsTheAvailableAreaAndOnlyTheListsGiveWay)
{
    MainWindow &w = *m_window;
    const QRect available = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << frame.height() << " in " << available.height();
    // The window's own height where it fits, the lists shorter by what is missing elsewhere.
    const int frameHeight = frame.height() - w.height();
    const int missing = std::max(0, MainWindow::contentHeight + frameHeight - available.height());
    const int lists = MainWindow::splitHeight - missing;
    const std::pair<QWidget *, QRect> bands[] = {
        {w.banner(), QRect(0, 0, 500, 169)},
        {w.productTable(), QRect(0, 170, 165, lists)},
        {w.firmwareTable(), QRect(166, 170, 334, lists)},
        {w.infoText(), QRect(0, 170 + lists, 500, 156)},
        {w.updateButton(), QRect(0, 326 + lists, 500, 48)},
    };
    for (const auto &[widget, rect] : bands) {
        EXPECT_EQ(QRect(widget->mapTo(&w, QPoint(0, 0)), widget->size()), rect)
            << widget->accessibleName().toStdString();
    }
    EXPECT_EQ(w.height(), 374 + lists);
}

TEST(WindowPlacementTest, CentredButNeverLeftOfOrAboveTheAvailableArea)
{
    const std::tuple<QRect, QSize, QPoint> cases[] = {
        {QRect(0, 0, 1920, 1080), QSize(504, 767), QPoint(708, 156)},
        {QRect(1920, 30, 1280, 1050), QSize(504, 767), QPoint(2308, 171)},
        {QRect(0, 0, 1280, 720), QSize(504, 767), QPoint(388, 0)},
        {QRect(0, 32, 1280, 688), QSize(504, 767), QPoint(388, 32)},
        {QRect(0, 0, 400, 400), QSize(504, 767), QPoint(0, 0)},
    };
    for (const auto &[available, frame, origin] : cases) {
        EXPECT_EQ(frameOriginWithin(available, frame), origin) << available.height();
    }
    // The lists give way to screens too short, down to their least.
    EXPECT_EQ(splitHeightFitting(1080, 28), MainWindow::splitHeight);
    EXPECT_EQ(splitHeightFitting(767, 28), MainWindow::splitHeight);
    EXPECT_EQ(splitHeightFitting(720, 28), MainWindow::splitHeight - 47);
    EXPECT_EQ(splitHeightFitting(300, 28), MainWindow::minimumSplitHeight);
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

TEST_F(MainWindowTest, ClosingDuringAnUpdateAsksFirstAndClosesOnceStoppedOrEnded)
{
    m_server.setBody("/fw/a.bin", std::string(4096, 'x'));
    struct Answer
    {
        const char *name;
        std::optional<bool> stop;
        bool closes;
    };
    // The first two answer during one update, the last during a new one.
    const Answer answers[] = {
        {"Keep Updating", false, false},
        {"none before the update ends", std::nullopt, true},
        {"Stop Update", true, true},
    };
    std::shared_ptr<SimulatedBootloaderDevice> device;
    for (const auto &[name, stop, closes] : answers) {
        SCOPED_TRACE(name);
        if (!m_app->isUpdating()) {
            if (device) {
                m_hid.detach(device);
            }
            device = attachDevice();
            m_window->show();
            QTest::mouseClick(m_window->updateButton(), Qt::LeftButton, {}, QPoint(250, 24));
            ASSERT_TRUE(waitForText([](const QString &t) {
                return t.section('\n', -1).startsWith("Update progress:");
            }));
        }
        answerQuestion(stop);
        EXPECT_EQ(m_window->close(), closes);
        EXPECT_EQ(m_question, MainWindow::stopQuestion());
        EXPECT_FALSE(m_questionLeftOpen);
        EXPECT_EQ(device->isOpen(), !closes);
        if (!closes) {
            EXPECT_TRUE(m_app->isUpdating());
            continue;
        }
        const bool whole = !stop.value_or(false);
        EXPECT_EQ(device->receivedImage().size() == 4096u, whole);
        EXPECT_TRUE(waitForEnding(whole ? "Update completed." : "Update stopped."));
    }
}

TEST_F(MainWindowTest, KeyboardFocusRingsTheListOrPaneItIsInAndNothingElse)
{
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    const int ratio = int(m_window->devicePixelRatio());
    // A widget as the window shows it, with whatever lies over it.
    const auto look = [&](const QWidget *widget) {
        const QRect area(widget->mapTo(m_window.get(), QPoint(0, 0)), widget->size());
        return m_window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    };
    // Each with its own grey at the middle of its left edge.
    const std::pair<QWidget *, int> stops[] = {
        {m_window->productTable(), 240},
        {m_window->firmwareTable(), 255},
        {m_window->infoText(), 219},
    };
    QWidget *elsewhere = m_window->updateButton();
    elsewhere->setFocus(Qt::TabFocusReason);
    for (const auto &[widget, grey] : stops) {
        SCOPED_TRACE(widget->accessibleName().toStdString());
        const QImage unfocused = look(widget);
        widget->setFocus(Qt::TabFocusReason);
        const QImage focused = look(widget);
        elsewhere->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(look(widget) == unfocused);

        const int right = unfocused.width() - 1;
        const int bottom = unfocused.height() - 1;
        EXPECT_EQ(qGray(unfocused.pixel(0, bottom / 2)), grey);
        // The ring runs over selection and scroll bar alike and leaves the inside as it was.
        for (const QPoint edge : {QPoint(0, bottom / 2), QPoint(right, bottom / 2),
                                  QPoint(right / 2, 0), QPoint(right / 2, bottom)}) {
            EXPECT_EQ(focused.pixel(edge), FocusRing::color().rgb()) << edge.x() << "," << edge.y();
        }
        const int ring = FocusRing::lineWidth * ratio;
        const QRect inside = unfocused.rect().adjusted(ring, ring, -ring, -ring);
        EXPECT_TRUE(focused.copy(inside) == unfocused.copy(inside));
    }
}

// That Space on the button then updates, and where the focus goes, is the next test's.
TEST_F(MainWindowTest, KeyboardAloneReachesEveryBandAndChoosesAVersion)
{
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
    // Arrows leave it there.
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), m_window->updateButton());
}

TEST_F(MainWindowTest, DuringAnUpdateArrowKeysCannotChooseAnotherModel)
{
    const auto device = attachDevice();
    m_server.setBody("/fw/a.bin", std::string(100, 'x'));
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    MainWindow &w = *m_window;
    struct Start
    {
        const char *name;
        QWidget *focusBefore;
        bool byKeyboard;
        QWidget *focusDuring;
        QWidget *focusAfter;
    };
    const Start starts[] = {
        {"Space on the button", w.updateButton(), true, w.infoText(), w.updateButton()},
        {"a click with the focus on the versions", w.firmwareTable(), false, w.firmwareTable(),
         w.firmwareTable()},
        {"a click with the focus on the models", w.productTable(), false, w.productTable(),
         w.productTable()},
    };
    for (const auto &[name, before, byKeyboard, during, after] : starts) {
        SCOPED_TRACE(name);
        before->setFocus(Qt::TabFocusReason);
        if (byKeyboard) {
            QTest::keyClick(before, Qt::Key_Space);
        } else {
            QTest::mouseClick(w.updateButton(), Qt::LeftButton, {}, QPoint(250, 24));
        }
        ASSERT_TRUE(m_app->isUpdating());
        EXPECT_EQ(QApplication::focusWidget(), during);
        if (during == w.infoText()) {
            // Following the log scrolls it and chooses nothing.
            QTest::keyClick(during, Qt::Key_Down);
            EXPECT_EQ(m_app->selectedProduct(), "X5 Pro");
        }
        ASSERT_TRUE(waitForEnding("Update completed."));
        EXPECT_EQ(QApplication::focusWidget(), after);
    }
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

    // Its tooltip fits beside the window and tells how to get the permission from here.
    QHelpEvent help(QEvent::ToolTip, row.center(), list.viewport()->mapToGlobal(row.center()));
    QCoreApplication::sendEvent(list.viewport(), &help);
    const QLabel *tip = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("QTipLabel") && widget->isVisible()) {
                tip = qobject_cast<QLabel *>(widget);
            }
        }
        return tip != nullptr;
    }));
    EXPECT_GT(tip->width(), 350);
    EXPECT_LT(tip->width(), 450);
    EXPECT_TRUE(tip->text().contains("unplugged and plugged in again"))
        << tip->text().toStdString();
    EXPECT_FALSE(tip->text().contains("man ")) << tip->text().toStdString();
}
