#include "FullWidthButton.h"

#include "ImageProbe.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QMouseEvent>
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
    void press() { send(QEvent::MouseButtonPress, {250, 24}); }
    void release(QPointF at = {250, 24}) { send(QEvent::MouseButtonRelease, at); }

    // Background away from the title, the title (the darkest ink) and the edge line on row 0.
    static void expectLook(const QImage &image, int background, int title)
    {
        EXPECT_NEAR(qGray(image.pixel(8, height - 8)), background, 1);
        EXPECT_NEAR(ImageProbe::darkest(image), title, 1);
        for (const int x : {0, width / 2, width - 1}) {
            EXPECT_NEAR(qGray(image.pixel(x, 0)), 184, 1);
            EXPECT_NEAR(qGray(image.pixel(x, 1)), background, 1);
        }
    }

    FullWidthButton button;
    int clicks = 0;
};

} // namespace

TEST_F(FullWidthButtonTest, EveryStateChangeRepaintsWithItsLook)
{
    EXPECT_EQ(button.title(), QStringLiteral("Update"));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Update"));
    button.show();
    // The window's backing store holds what was last painted, so a missed repaint shows.
    const auto *shown = dynamic_cast<const QImage *>(button.backingStore()->paintDevice());
    ASSERT_NE(shown, nullptr);
    const auto after = [&](const auto &change, int background, int title) {
        change();
        QCoreApplication::processEvents();
        expectLook(*shown, background, title);
    };
    after([] {}, enabledBackground, enabledTitle);
    after([&] { press(); }, pressedBackground, enabledTitle);
    after([&] { release(); }, enabledBackground, enabledTitle);
    after([&] { button.setEnabled(false); }, disabledBackground, disabledTitle);
    after([&] { button.setEnabled(true); }, enabledBackground, enabledTitle);
}

TEST_F(FullWidthButtonTest, ReleaseClicksOnceInsideWithTheFarEdgesOutside)
{
    const std::pair<QPointF, int> cases[] = {
        {{250, 24}, 1},   {{0, 24}, 1},       {{250, 0}, 1},    {{width - 0.25, 24}, 1},
        {{width, 24}, 0}, {{250, height}, 0}, {{-0.25, 24}, 0}, {{width + 30.0, -40.0}, 0}};
    for (const auto &[at, expected] : cases) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        clicks = 0;
        press();
        EXPECT_TRUE(button.isPressed());
        release(at);
        EXPECT_EQ(clicks, expected);
        EXPECT_FALSE(button.isPressed());
    }
    // Only the left button presses or releases.
    send(QEvent::MouseButtonPress, {250, 24}, Qt::RightButton);
    EXPECT_FALSE(button.isPressed());
}

TEST_F(FullWidthButtonTest, DisabledButtonIgnoresClicksAndKeepsAHeldPressForLater)
{
    button.setEnabled(false);
    press();
    release();
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks, 0);

    button.setEnabled(true);
    press();
    button.setEnabled(false);
    release();
    EXPECT_EQ(clicks, 0);
    button.setEnabled(true);
    release();
    EXPECT_EQ(clicks, 1);
}
