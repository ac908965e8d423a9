#include "ui/FullWidthButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QBackingStore>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

class FullWidthButtonTest : public ::testing::Test
{
protected:
    FullWidthButtonTest()
    {
        button.resize(500, 48);
        QObject::connect(&button, &FullWidthButton::clicked, [this] { ++clicks; });
    }

    void key(QEvent::Type type, int key, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(&button, &event);
    }

    // With the left button held, as QTest::mouseMove does not say.
    void mouseMove(QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, button.mapToGlobal(at), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &event);
    }

    FullWidthButton button;
    int clicks = 0;
};

// The title is the darkest ink the button paints.
int darkest(const QImage &image)
{
    int grey = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            grey = std::min(grey, qGray(image.pixel(x, y)));
        }
    }
    return grey;
}

} // namespace

TEST_F(FullWidthButtonTest, GreysFollowTheStateAndTheRingOnlyKeyboardFocus)
{
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&button));
    button.clearFocus();
    // The window's backing store holds what was last painted, so a missed repaint shows.
    const auto *shown = dynamic_cast<const QImage *>(button.backingStore()->paintDevice());
    ASSERT_NE(shown, nullptr);
    const auto after = [&](const auto &change, int background, int title, bool ring) {
        change();
        QCoreApplication::processEvents();
        EXPECT_NEAR(qGray(shown->pixel(8, 40)), background, 1);
        EXPECT_NEAR(darkest(*shown), title, 1);
        EXPECT_EQ(shown->pixel(4, 24) == FullWidthButton::focusRingColor().rgb(), ring);
    };
    after([] {}, 247, 31, false);
    after([&] { QTest::mousePress(&button, Qt::LeftButton); }, 199, 31, false);
    // A press begun before the button is disabled is still held when it is enabled again.
    after([&] { button.setEnabled(false); }, 232, 158, false);
    after([&] { button.setEnabled(true); }, 199, 31, false);
    after([&] { QTest::mouseRelease(&button, Qt::LeftButton); }, 247, 31, false);
    after([&] { button.setFocus(Qt::TabFocusReason); }, 247, 31, true);
    after([&] { button.clearFocus(); }, 247, 31, false);
}

TEST_F(FullWidthButtonTest, MouseKeysAndScreenReaderClickOnlyWhileEnabled)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Update"));
    QAccessibleActionInterface *actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString pressAction = QAccessibleActionInterface::pressAction();
    struct Drag
    {
        std::vector<QPoint> moves;
        QPoint release;
        int clicks;
    };
    const Drag drags[] = {
        {{}, {500, 24}, 0},
        {{}, {499, 47}, 1},
        {{}, {250, 48}, 0},
        {{{250, 120}}, {250, 120}, 0},
        {{{250, 120}, {-30, 24}}, {-30, 24}, 0},
        {{{250, 120}, {250, 24}}, {250, 24}, 1},
        {{{250, 120}, {0, 0}}, {0, 0}, 1},
    };
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        button.setEnabled(enabled);
        EXPECT_EQ(accessible->state().disabled, !enabled);
        EXPECT_EQ(actions->actionNames().contains(pressAction), enabled);
        // Only the release decides: outside it sends nothing, inside it clicks once. Wherever
        // the pointer goes on the way, the press keeps its look.
        for (const auto &[moves, release, clicksInside] : drags) {
            clicks = 0;
            QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(250, 24));
            for (const QPoint at : moves) {
                mouseMove(at);
                EXPECT_EQ(button.isDown(), enabled) << at.x() << "," << at.y();
            }
            QTest::mouseRelease(&button, Qt::LeftButton, {}, release);
            EXPECT_FALSE(button.isDown());
            EXPECT_EQ(clicks, enabled ? clicksInside : 0) << release.x() << "," << release.y();
        }
        for (const int which : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            clicks = 0;
            key(QEvent::KeyPress, which);
            EXPECT_EQ(button.isDown(), enabled);
            // A held key repeats its press; the button still clicks once.
            key(QEvent::KeyPress, which, true);
            key(QEvent::KeyRelease, which, true);
            key(QEvent::KeyRelease, which);
            EXPECT_EQ(clicks, enabled ? 1 : 0) << which;
        }
        clicks = 0;
        actions->doAction(pressAction);
        // A screen reader's press is shown held down for a moment before it clicks.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button.isDown(); }));
        EXPECT_EQ(clicks, enabled ? 1 : 0);
    }
}
