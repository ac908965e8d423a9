#include "FullWidthButton.h"

#include "ImageProbe.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QBackingStore>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int width = 500;
constexpr int height = 48;
// 8-bit forms of the backgrounds' greys 0.97, 0.78, 0.91 and the titles' 0.12, 0.62.
constexpr int enabledBackground = 247, pressedBackground = 199, disabledBackground = 232;
constexpr int enabledTitle = 31, disabledTitle = 158;

class FullWidthButtonTest : public ::testing::Test
{
protected:
    FullWidthButtonTest()
    {
        button.resize(width, height);
        QObject::connect(&button, &FullWidthButton::clicked, [this] { ++clicks; });
    }

    void send(QEvent::Type type, QPointF at, Qt::MouseButton which = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? which : Qt::NoButton;
        QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &event);
    }
    void key(QEvent::Type type, int key, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(&button, &event);
    }
    void press() { send(QEvent::MouseButtonPress, {250, 24}); }
    void release(QPointF at = {250, 24}) { send(QEvent::MouseButtonRelease, at); }

    // Background away from the title, the title (the darkest ink) and the edge line on row 0.
    static void expectLook(const QImage &image, int background, int title)
    {
        EXPECT_NEAR(qGray(image.pixel(8, height - 8)), background, 1);
        EXPECT_NEAR(ImageProbe::darkest(image), title, 1);
        EXPECT_NEAR(qGray(image.pixel(width - 1, 0)), 184, 1);
        EXPECT_NEAR(qGray(image.pixel(width - 1, 1)), background, 1);
    }

    FullWidthButton button;
    int clicks = 0;
};

} // namespace

TEST_F(FullWidthButtonTest, EveryStateChangeRepaintsWithItsLookAndKeyboardFocusWithAFlatRing)
{
    EXPECT_EQ(button.toolTip(), QStringLiteral("Update"));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    // Activation focuses the window's one widget: the ring is drawn further on.
    button.clearFocus();
    // The window's backing store holds what was last painted, so a missed repaint shows.
    const auto *shown = dynamic_cast<const QImage *>(button.backingStore()->paintDevice());
    ASSERT_NE(shown, nullptr);
    const QRgb ring = FullWidthButton::focusRingColor().rgb();
    // Two pixels wide, three in from the sides and the bottom.
    const QPoint onRing[] = {{3, 24}, {4, 24}, {250, height - 4}};
    const QPoint besideRing[] = {{2, 24}, {5, 24}, {250, height - 3}};
    const auto after = [&](const auto &change, int background, int title, bool focused = false) {
        change();
        QCoreApplication::processEvents();
        expectLook(*shown, background, title);
        for (const QPoint at : onRing) {
            EXPECT_EQ(shown->pixel(at) == ring, focused) << at.x() << "," << at.y();
        }
        for (const QPoint at : besideRing) {
            EXPECT_NE(shown->pixel(at), ring) << at.x() << "," << at.y();
        }
    };
    after([] {}, enabledBackground, enabledTitle);
    after([&] { press(); }, pressedBackground, enabledTitle);
    after([&] { release(); }, enabledBackground, enabledTitle);
    after([&] { button.setEnabled(false); }, disabledBackground, disabledTitle);
    after([&] { button.setEnabled(true); }, enabledBackground, enabledTitle);
    after([&] { button.setFocus(Qt::TabFocusReason); }, enabledBackground, enabledTitle, true);
    after([&] { button.clearFocus(); }, enabledBackground, enabledTitle);
}

TEST_F(FullWidthButtonTest, ReleaseClicksOnceInsideAndAPressHeldWhileDisabledWaits)
{
    const std::pair<QPointF, int> cases[] = {{{0, 0}, 1},      {{width - 0.25, height - 0.25}, 1},
                                             {{width, 24}, 0}, {{250, height}, 0},
                                             {{-0.25, 24}, 0}, {{width + 30.0, -40.0}, 0}};
    for (const auto &[at, expected] : cases) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        clicks = 0;
        press();
        EXPECT_TRUE(button.isPressed());
        release(at);
        EXPECT_EQ(clicks, expected);
        EXPECT_FALSE(button.isPressed());
    }
    // Only the left button presses.
    send(QEvent::MouseButtonPress, {250, 24}, Qt::RightButton);
    EXPECT_FALSE(button.isPressed());

    // Disabled, it takes no press; a press held while it is disabled waits for a release.
    clicks = 0;
    button.setEnabled(false);
    press();
    release();
    button.setEnabled(true);
    press();
    button.setEnabled(false);
    release();
    EXPECT_EQ(clicks, 0);
    button.setEnabled(true);
    release();
    EXPECT_EQ(clicks, 1);
}

TEST_F(FullWidthButtonTest, KeysAndTheScreenReaderPressItAsTheMouseDoes)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Update"));
    QAccessibleActionInterface *actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString pressAction = QAccessibleActionInterface::pressAction();
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        button.setEnabled(enabled);
        EXPECT_EQ(accessible->state().disabled, !enabled);
        EXPECT_EQ(actions->actionNames().contains(pressAction), enabled);
        for (const int which : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            clicks = 0;
            key(QEvent::KeyPress, which);
            EXPECT_EQ(button.isPressed(), enabled);
            // A held key repeats its press; the button still clicks once.
            key(QEvent::KeyPress, which, true);
            key(QEvent::KeyRelease, which, true);
            key(QEvent::KeyRelease, which);
            EXPECT_EQ(clicks, enabled ? 1 : 0) << which;
            EXPECT_FALSE(button.isPressed());
        }
        clicks = 0;
        actions->doAction(pressAction);
        EXPECT_EQ(clicks, enabled ? 1 : 0);
    }

    // A key held while the focus leaves ends without a click.
    button.setEnabled(true);
    clicks = 0;
    key(QEvent::KeyPress, Qt::Key_Space);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&button, &focusOut);
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks, 0);
}
