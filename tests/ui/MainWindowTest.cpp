#include "MainWindow.h"

#include "AppDelegate.h"
#include "ApplicationLaunch.h"
#include "CatalogueServer.h"
#include "FullWidthButton.h"
#include "HeaderView.h"
#include "InfoPane.h"
#include "SimulatedHidBackend.h"

#include <QAbstractButton>
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

    // The strip between banner and lists shows the window's own grey.
    const QImage image = w.grab().toImage();
    EXPECT_EQ(qGray(image.pixel(250, 169)), 219);
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
