#include "MainWindow.h"

#include "AppDelegate.h"
#include "ApplicationLaunch.h"
#include "CatalogueServer.h"
#include "FullWidthButton.h"
#include "HeaderView.h"
#include "InfoPane.h"
#include "SimulatedHidBackend.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

QRect inWindow(const QWidget &widget, const QWidget &window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

} // namespace

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_temp.isValid());
        const std::string list = "MORVANE X5 Pro;1a86;e0a1;V1;2023 Co.;" +
                                 m_server.url("/fw/a.bin") + ";" + m_server.url("/fw/a.txt") +
                                 "\n" + "MORVANE X5 Pro;1a86;e0a1;V2;2024 Co.;" +
                                 m_server.url("/fw/a2.bin") + ";" + m_server.url("/fw/a2.txt") +
                                 "\n" + "Z9;1209;0001;V7;;" + m_server.url("/fw/z.bin") + ";" +
                                 m_server.url("/fw/z.txt") + "\n";
        m_server.setBody("/product/MORVANE_LST.txt", list);
        std::string notes;
        for (int i = 1; i <= 30; ++i) {
            notes += "line " + std::to_string(i) + "\n";
        }
        m_server.setBody("/fw/a.txt", notes + "notes of A");
        m_server.setBody("/fw/z.txt", "notes of Z");
        m_delegate = std::make_unique<AppDelegate>(
            QUrl(QString::fromStdString(m_server.url("/product/MORVANE_LST.txt"))), m_hid,
            QDir(m_temp.path()).filePath("MorvaneUpdater"));
        m_window = applicationDidFinishLaunching(*qApp, *m_delegate);
    }

    bool waitForPane(const QString &ending)
    {
        return QTest::qWaitFor([&] { return m_window->infoText()->toPlainText().endsWith(ending); },
                               20'000);
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

    int scrollPosition() const { return m_window->infoText()->verticalScrollBar()->value(); }
    int scrollEnd() const { return m_window->infoText()->verticalScrollBar()->maximum(); }

    CatalogueServer m_server;
    SimulatedHidBackend m_hid;
    QString m_question;
    QTemporaryDir m_temp;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, StartsEmptyWithItsBandsInPlace)
{
    MainWindow &w = *m_window;
    EXPECT_EQ(w.infoText()->toPlainText(), QStringLiteral("正在读取固件列表..."));
    EXPECT_FALSE(w.updateButton()->isEnabled());
    EXPECT_EQ(w.windowTitle(), "Updater");
    EXPECT_EQ(w.size(), QSize(500, 739));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(inWindow(*w.banner(), w), QRect(0, 0, 500, 169));
    EXPECT_EQ(inWindow(*w.split(), w), QRect(0, 170, 500, 365));
    EXPECT_EQ(inWindow(*w.infoText(), w), QRect(0, 535, 500, 156));
    EXPECT_EQ(inWindow(*w.updateButton(), w), QRect(0, 691, 500, 48));

    const QRect product = inWindow(*w.productTable(), w);
    const QRect firmware = inWindow(*w.firmwareTable(), w);
    EXPECT_EQ(product, QRect(0, 170, 165, 365));
    EXPECT_EQ(firmware.right(), 499);
    EXPECT_GT(firmware.left(), product.right());
}

// Run at ratio 1 and, as ui_tests.ratio2, on a screen of twice the pixel density.
TEST_F(MainWindowTest, LinesAndBannerStaySharpAtTheScreensPixelRatio)
{
    const int ratio = int(m_window->devicePixelRatio());
    if (const int asked = qEnvironmentVariableIntValue("QT_SCALE_FACTOR"); asked > 0) {
        ASSERT_EQ(ratio, asked);
    }
    const QImage image = m_window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(500, 739) * ratio);
    const auto grey = [&](int x, int y) {
        return qGray(image.pixel(x * ratio, y));
    };
    // A 1-pixel line covers whole device rows, with no blend into its neighbours: the strip
    // of the window's grey under the banner and the button's edge line.
    for (int row = 169 * ratio; row < 170 * ratio; ++row) {
        EXPECT_EQ(grey(250, row), 219);
    }
    EXPECT_NE(grey(250, 169 * ratio - 1), 219);
    for (int row = 691 * ratio; row < 692 * ratio; ++row) {
        EXPECT_EQ(grey(250, row), 184);
    }
    EXPECT_EQ(grey(250, 692 * ratio), grey(5, 735 * ratio));
    if (ratio == 2) {
        // Drawn pixel for pixel from the banner's full-size picture.
        const QImage banner =
            QImage(QStringLiteral(":/HeaderBanner.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(image.copy(0, 0, 1000, 338) == banner);
    }
}

TEST_F(MainWindowTest, ListsFollowTheUser)
{
    ASSERT_TRUE(waitForPane("notes of A"));
    QListView &products = *m_window->productTable();
    const QRect second = products.visualRect(products.model()->index(1, 0));
    QTest::mouseClick(products.viewport(), Qt::LeftButton, {}, second.center());
    ASSERT_TRUE(waitForPane("notes of Z"));
    EXPECT_EQ(m_window->firmwareTable()->model()->rowCount(), 1);
    EXPECT_TRUE(m_window->updateButton()->isEnabled());
}

TEST_F(MainWindowTest, ClosingDuringAnUpdateAsksFirstAndStopsOnlyWhenConfirmed)
{
    // Long notes are shown from their first line; the update's lines follow the end.
    ASSERT_TRUE(waitForPane("notes of A"));
    EXPECT_GT(scrollEnd(), 0);
    EXPECT_EQ(scrollPosition(), 0);
    const auto device = std::make_shared<SimulatedBootloaderDevice>(0x1A86, 0xE0A1);
    m_hid.attach(device);
    m_server.setBody("/fw/a.bin", std::string(4096, 'x'));
    QTest::mouseClick(m_window->updateButton(), Qt::LeftButton, {}, QPoint(250, 24));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return m_window->infoText()->toPlainText().contains("Update progress:"); }, 20'000));
    EXPECT_EQ(scrollPosition(), scrollEnd());

    answerQuestion(false);
    EXPECT_FALSE(m_window->close());
    EXPECT_EQ(m_question, MainWindow::stopQuestion);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_delegate->isUpdating());

    answerQuestion(true);
    EXPECT_TRUE(m_window->close());
    EXPECT_FALSE(device->isOpen());
    const std::size_t reports = device->imageReportCount();
    EXPECT_LT(reports, 64u);
    QTest::qWait(200);
    EXPECT_EQ(device->imageReportCount(), reports);
}

TEST_F(MainWindowTest, KeyboardAloneChoosesAVersionAndUpdates)
{
    const auto device = std::make_shared<SimulatedBootloaderDevice>(0x1A86, 0xE0A1);
    m_hid.attach(device);
    const std::string image(100, '\x5a');
    m_server.setBody("/fw/a2.bin", image);
    QStringList notes;
    for (int line = 1; line <= 40; ++line) {
        notes.append(QStringLiteral("line %1").arg(line));
    }
    m_server.setBody("/fw/a2.txt", notes.join('\n').toStdString());
    ASSERT_TRUE(waitForPane("notes of A"));
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    const auto press = [](Qt::Key key) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
    };
    InfoPane &pane = *m_window->infoText();

    // Arrows choose in the model list as clicks do: one release-notes request per choice.
    EXPECT_EQ(QApplication::focusWidget(), m_window->productTable());
    press(Qt::Key_Down);
    ASSERT_TRUE(waitForPane("notes of Z"));
    press(Qt::Key_Up);
    ASSERT_TRUE(waitForPane("notes of A"));
    EXPECT_EQ(m_server.requestCount("/fw/z.txt"), 1);
    EXPECT_EQ(m_server.requestCount("/fw/a.txt"), 2);

    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_window->firmwareTable());
    press(Qt::Key_Down);
    ASSERT_TRUE(waitForPane("line 40"));
    EXPECT_EQ(m_server.requestCount("/fw/a2.txt"), 1);
    EXPECT_TRUE(pane.toPlainText().startsWith("Model: MORVANE X5 Pro\nVersion: V2\n2024 Co."));

    // The pane scrolls under the keyboard but takes no typing.
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &pane);
    const QString shown = pane.toPlainText();
    QScrollBar &bar = *pane.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    press(Qt::Key_Home);
    EXPECT_EQ(bar.value(), 0);
    press(Qt::Key_PageDown);
    EXPECT_GT(bar.value(), 0);
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete}) {
        press(key);
    }
    EXPECT_EQ(pane.toPlainText(), shown);

    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_window->updateButton());
    press(Qt::Key_Space);
    ASSERT_TRUE(waitForPane("Update completed."));
    const std::vector<uint8_t> received = device->receivedImage();
    ASSERT_EQ(received.size(), 1024u);
    EXPECT_EQ(std::string(received.begin(), received.begin() + 100), image);
}

TEST_F(MainWindowTest, ScreenReadersFindNamedListsAndPaneButNoBanner)
{
    ASSERT_TRUE(waitForPane("notes of A"));
    const auto accessible = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget);
    };
    const std::tuple<QWidget *, QAccessible::Role, QString> named[] = {
        {m_window->productTable(), QAccessible::List, "Models"},
        {m_window->firmwareTable(), QAccessible::List, "Firmware versions"},
        {m_window->infoText(), QAccessible::EditableText, "Information"},
    };
    for (const auto &[widget, role, name] : named) {
        EXPECT_EQ(accessible(widget)->role(), role) << name.toStdString();
        EXPECT_EQ(accessible(widget)->text(QAccessible::Name), name);
    }
    EXPECT_TRUE(accessible(m_window->infoText())->state().readOnly);
    EXPECT_TRUE(accessible(m_window->banner())->text(QAccessible::Name).isEmpty());
    // A version row reads as its title, with the attribution line as its description.
    QAccessibleInterface *row = accessible(m_window->firmwareTable())->child(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(QAccessible::Name), "MORVANE X5 Pro  V1");
    EXPECT_EQ(row->text(QAccessible::Description), "2023 Co.");
}
