#include "MainWindow.h"

#include "AppFixture.h"
#include "ApplicationLaunch.h"
#include "FullWidthButton.h"
#include "HeaderView.h"
#include "InfoPane.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QListView>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

namespace {

QRect inWindow(const QWidget &widget, const QWidget &window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

// Release notes longer than the pane, ending in `last`.
std::string manyLines(int count, const std::string &last)
{
    return QString("line\n").repeated(count).toStdString() + last;
}

} // namespace

// The window on the controller, its catalogue two models: X5 Pro (V1, V2) and Z9 (V7).
class MainWindowTest : public AppFixture
{
protected:
    void SetUp() override
    {
        m_server.setBody(listPath, line("MORVANE X5 Pro", "V1", "a") +
                                       line("MORVANE X5 Pro", "V2", "a2") + line("Z9", "V7", "z"));
        m_server.setBody("/fw/a.txt", manyLines(30, "notes of A"));
        m_server.setBody("/fw/z.txt", "notes of Z");
        m_window = applicationDidFinishLaunching(
            *qApp, makeApp(QUrl(QString::fromStdString(url(listPath)))));
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

    QString m_question;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(MainWindowTest, StartsEmptyWithItsBandsInPlaceAndNamedForScreenReaders)
{
    MainWindow &w = *m_window;
    EXPECT_EQ(w.windowTitle(), "Updater");
    EXPECT_EQ(w.size(), QSize(500, 739));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(inWindow(*w.banner(), w), QRect(0, 0, 500, 169));
    EXPECT_EQ(inWindow(*w.split(), w), QRect(0, 170, 500, 365));
    EXPECT_EQ(inWindow(*w.infoText(), w), QRect(0, 535, 500, 156));
    EXPECT_EQ(inWindow(*w.updateButton(), w), QRect(0, 691, 500, 48));
    EXPECT_EQ(inWindow(*w.productTable(), w), QRect(0, 170, 165, 365));

    ASSERT_TRUE(waitForPane("notes of A"));
    const auto accessible = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget);
    };
    const std::tuple<QWidget *, QAccessible::Role, QString> named[] = {
        {w.productTable(), QAccessible::List, "Models"},
        {w.firmwareTable(), QAccessible::List, "Firmware versions"},
        {w.infoText(), QAccessible::EditableText, "Information"},
    };
    for (const auto &[widget, role, name] : named) {
        EXPECT_EQ(accessible(widget)->role(), role) << name.toStdString();
        EXPECT_EQ(accessible(widget)->text(QAccessible::Name), name);
    }
    EXPECT_TRUE(accessible(w.infoText())->state().readOnly);
    EXPECT_TRUE(accessible(w.banner())->text(QAccessible::Name).isEmpty());
    // A version row reads as its title, with the attribution line as its description.
    QAccessibleInterface *row = accessible(w.firmwareTable())->child(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(QAccessible::Name), "MORVANE X5 Pro  V1");
    EXPECT_EQ(row->text(QAccessible::Description), "V1 Co.");
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

TEST_F(MainWindowTest, ClosingDuringAnUpdateAsksFirstAndStopsOnlyWhenConfirmed)
{
    // Long notes are shown from their first line; the update's lines follow the end.
    ASSERT_TRUE(waitForPane("notes of A"));
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
    EXPECT_TRUE(m_window->isVisible());
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
    m_server.setBody("/fw/a2.txt", manyLines(40, "end of V2"));
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
    ASSERT_TRUE(waitForPane("end of V2"));
    EXPECT_EQ(m_server.requestCount("/fw/a2.txt"), 1);

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
    EXPECT_EQ(device->receivedImage().size(), 1024u);
}
