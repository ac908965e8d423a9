#include "FullWidthButton.h"

#include "ImageProbe.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using ImageProbe::darkestIn;
using ImageProbe::greyAt;

namespace {

constexpr int width = 500;
constexpr int height = 48;

// 8-bit forms of the button's grey levels.
constexpr int enabledBackground = 247;  // 0.97
constexpr int pressedBackground = 199;  // 0.78
constexpr int disabledBackground = 232; // 0.91
constexpr int edgeLine = 184;           // 0.72
constexpr int enabledTitle = 31;        // 0.12
constexpr int disabledTitle = 158;      // 0.62

class FullWidthButtonTest : public ::testing::Test
{
protected:
    FullWidthButtonTest()
    {
        button.resize(width, height);
        QObject::connect(&button, &FullWidthButton::clicked, [this] { ++clicks; });
    }

    void send(QEvent::Type type, QPointF position, Qt::MouseButton which = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? which : Qt::NoButton;
        QMouseEvent event(type, position, button.mapToGlobal(position), which, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&button, &event);
    }
    void press(QPointF position = {250, 24}) { send(QEvent::MouseButtonPress, position); }
    void release(QPointF position = {250, 24}) { send(QEvent::MouseButtonRelease, position); }

    QImage image() { return button.grab().toImage(); }

    FullWidthButton button;
    int clicks = 0;
};

// Background sampled well away from the centred title.
int backgroundOf(const QImage &image)
{
    return greyAt(image, 8, height - 8);
}

int titleOf(const QImage &image)
{
    return darkestIn(image, QRect(width / 4, 4, width / 2, height - 8));
}

} // namespace

TEST_F(FullWidthButtonTest, DefaultsToUpdateTitleAndToolTip)
{
    EXPECT_EQ(button.title(), QStringLiteral("Update"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Update"));
    EXPECT_FALSE(button.isPressed());
}

TEST_F(FullWidthButtonTest, PaintsBackgroundAndTitleByState)
{
    QImage enabled = image();
    EXPECT_NEAR(backgroundOf(enabled), enabledBackground, 1);
    EXPECT_NEAR(greyAt(enabled, width - 8, height / 2), enabledBackground, 1);
    EXPECT_NEAR(titleOf(enabled), enabledTitle, 1);

    press();
    QImage pressed = image();
    EXPECT_NEAR(backgroundOf(pressed), pressedBackground, 1);
    EXPECT_NEAR(titleOf(pressed), enabledTitle, 1);
    release();

    button.setEnabled(false);
    QImage disabled = image();
    EXPECT_NEAR(backgroundOf(disabled), disabledBackground, 1);
    EXPECT_NEAR(titleOf(disabled), disabledTitle, 1);

    button.setEnabled(true);
    enabled = image();
    EXPECT_NEAR(backgroundOf(enabled), enabledBackground, 1);
    EXPECT_NEAR(titleOf(enabled), enabledTitle, 1);
}

TEST_F(FullWidthButtonTest, EdgeLineCoversOnlyTheTopRow)
{
    for (const bool enabled : {true, false}) {
        button.setEnabled(enabled);
        const QImage picture = image();
        const int background = enabled ? enabledBackground : disabledBackground;
        for (const int x : {0, 1, width / 2, width - 1}) {
            SCOPED_TRACE(x);
            EXPECT_NEAR(greyAt(picture, x, 0), edgeLine, 1);
            EXPECT_NEAR(greyAt(picture, x, 1), background, 1);
            EXPECT_NEAR(greyAt(picture, x, height - 1), background, 1);
        }
    }
}

TEST_F(FullWidthButtonTest, TitleIsCentredAndCutEquallyWhenTooWide)
{
    const QRect ink = ImageProbe::inkBounds(image(), 150);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left() + ink.width() / 2.0, width / 2.0, 2.0);
    EXPECT_NEAR(ink.top() + ink.height() / 2.0, height / 2.0, 4.0);

    button.resize(120, height);
    button.setTitle(QStringLiteral("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"));
    const QImage narrow = image();
    EXPECT_LT(darkestIn(narrow, QRect(0, 4, 2, height - 8)), 100);
    EXPECT_LT(darkestIn(narrow, QRect(118, 4, 2, height - 8)), 100);
}

TEST_F(FullWidthButtonTest, ReleaseInsideFiresOnceAndReleaseOutsideOnlyClearsThePress)
{
    press();
    EXPECT_TRUE(button.isPressed());
    release();
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks, 1);

    press();
    release({width + 30.0, -40.0});
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks, 1);
    EXPECT_NEAR(backgroundOf(image()), enabledBackground, 1);
}

TEST_F(FullWidthButtonTest, ReleaseOnTheNearEdgesIsInsideAndOnTheFarEdgesOutside)
{
    const struct
    {
        QPointF at;
        bool fires;
    } cases[] = {
        {{0, 24}, true},
        {{-0.25, 24}, false},
        {{width - 0.25, 24}, true},
        {{width, 24}, false},
        {{250, 0}, true},
        {{250, -0.25}, false},
        {{250, height - 0.25}, true},
        {{250, height}, false},
        {{0, 0}, true},
        {{width, height}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y());
        clicks = 0;
        press();
        release(c.at);
        EXPECT_EQ(clicks, c.fires ? 1 : 0);
        EXPECT_FALSE(button.isPressed());
    }
}

TEST_F(FullWidthButtonTest, DisabledButtonIgnoresClicks)
{
    button.setEnabled(false);
    press();
    EXPECT_FALSE(button.isPressed());
    EXPECT_NEAR(backgroundOf(image()), disabledBackground, 1);
    release();
    EXPECT_EQ(clicks, 0);
}

TEST_F(FullWidthButtonTest, PressHeldAcrossDisablingStaysUntilTheNextEnabledRelease)
{
    press();
    button.setEnabled(false);
    release();
    EXPECT_TRUE(button.isPressed());
    EXPECT_EQ(clicks, 0);
    EXPECT_NEAR(backgroundOf(image()), disabledBackground, 1);

    button.setEnabled(true);
    EXPECT_NEAR(backgroundOf(image()), pressedBackground, 1);
    release();
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks, 1);
}

TEST_F(FullWidthButtonTest, OnlyTheLeftButtonCounts)
{
    send(QEvent::MouseButtonPress, {250, 24}, Qt::RightButton);
    EXPECT_FALSE(button.isPressed());
    press();
    send(QEvent::MouseButtonRelease, {250, 24}, Qt::RightButton);
    EXPECT_TRUE(button.isPressed());
    EXPECT_EQ(clicks, 0);
}

TEST_F(FullWidthButtonTest, StateAndTitleChangesRepaint)
{
    int paints = 0;
    struct PaintCounter : QObject
    {
        int *count;
        explicit PaintCounter(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                ++*count;
            }
            return false;
        }
    } counter(&paints);
    button.installEventFilter(&counter);
    button.show();
    const auto settle = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    settle();

    const auto repaintsAfter = [&](const auto &change) {
        paints = 0;
        change();
        settle();
        return paints > 0;
    };
    EXPECT_TRUE(repaintsAfter([&] { button.setEnabled(false); }));
    EXPECT_TRUE(repaintsAfter([&] { button.setEnabled(true); }));
    EXPECT_TRUE(repaintsAfter([&] { button.setTitle(QStringLiteral("Go")); }));
    EXPECT_TRUE(repaintsAfter([&] { press(); }));
    EXPECT_TRUE(repaintsAfter([&] { release(); }));
    button.removeEventFilter(&counter);
}
