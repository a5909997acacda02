#include "graphics/OrbView.h"

#include "graphics/OrbViewImpl.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

// A window layer without a window: it records what the view asks of the platform.
class FakeImpl : public OrbViewImpl {
public:
    int liveModifiers() const override { return live; }
    void setCursorVisible(bool visible) override {
        cursorVisible_ = visible;
        cursorCalls.push_back(visible);
    }
    bool setFullScreen(bool on) override {
        fullScreen_ = on;
        return true;
    }
    bool isMaximized() const override { return false; }
    OrbWindowRect windowRectangle() const override { return {}; }
    void invalidate() override {}
    bool messageBox(int, const std::string&, const std::string&) override { return true; }
    void close() override {}

    int live = 0;
    std::vector<bool> cursorCalls;
};

using KeyEvent = std::tuple<int, int, int>;

class RecordingView : public OrbView {
public:
    explicit RecordingView(OrbViewImpl& impl) : OrbView(impl) {}

    void draw() override { ++draws; }
    bool keyEvent(int key, int state, int modifiers) override {
        keys.emplace_back(key, state, modifiers);
        return true;
    }
    void focusChanged(bool focused) override { focusCalls.push_back(focused); }
    void resized(int width, int height) override { sizes.emplace_back(width, height); }
    void advance(double seconds) override { advanced.push_back(seconds); }
    void saveState() override { ++saves; }
    bool mouseButton(int button, int action, int x, int y, int) override {
        buttons.emplace_back(button, action, x + 1000 * y);
        return true;
    }

    int draws = 0;
    int saves = 0;
    std::vector<KeyEvent> keys;
    std::vector<bool> focusCalls;
    std::vector<std::pair<int, int>> sizes;
    std::vector<double> advanced;
    std::vector<std::tuple<int, int, int>> buttons;
};

class OrbViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.attachGraphics(800, 600);
        view.focusChange(true);
        view.focusCalls.clear();
    }
    FakeImpl impl;
    RecordingView view{impl};
};

TEST_F(OrbViewTest, RegistersWithTheWindowLayerForItsLifetime) {
    EXPECT_EQ(impl.view(), &view);
    FakeImpl other;
    { RecordingView temporary(other); }
    EXPECT_EQ(other.view(), nullptr);
}

TEST_F(OrbViewTest, AutoRepeatOfAKeyNotHeldIsDropped) {
    EXPECT_FALSE(view.keyInput('a', OrbKeyRepeated, 0));
    EXPECT_TRUE(view.keys.empty());

    view.keyInput('a', OrbKeyPressed, 0);
    view.keyInput('a', OrbKeyRepeated, 0);
    view.keyInput('a', OrbKeyReleased, 0);
    view.keyInput('a', OrbKeyRepeated, 0);
    const std::vector<KeyEvent> expected = {
        {'a', OrbKeyPressed, 0}, {'a', OrbKeyRepeated, 0}, {'a', OrbKeyReleased, 0}};
    EXPECT_EQ(view.keys, expected);
}

TEST_F(OrbViewTest, KeysPressedWithoutFocusAreNotTracked) {
    view.focusChange(false);
    view.keyInput(OrbKeyUp, OrbKeyPressed, 0);
    EXPECT_FALSE(view.isKeyDown(OrbKeyUp));
    // The press is still reported, but its repeats are not: the view never saw it
    // go down while it had the keyboard.
    view.focusChange(true);
    view.keyInput(OrbKeyUp, OrbKeyRepeated, 0);
    ASSERT_EQ(view.keys.size(), 1u);
    EXPECT_EQ(view.keys[0], KeyEvent(OrbKeyUp, OrbKeyPressed, 0));
}

TEST_F(OrbViewTest, KeyCodesOutsideTheSpaceAreIgnored) {
    EXPECT_FALSE(view.keyInput(-1, OrbKeyPressed, 0));
    EXPECT_FALSE(view.keyInput(OrbKeyCodeCount, OrbKeyPressed, 0));
    EXPECT_FALSE(view.isKeyDown(OrbKeyCodeCount));
    EXPECT_TRUE(view.keys.empty());
}

TEST_F(OrbViewTest, WithoutGraphicsKeysAreTrackedButNotDelivered) {
    view.detachGraphics();
    EXPECT_FALSE(view.keyInput('x', OrbKeyPressed, 0));
    EXPECT_TRUE(view.isKeyDown('x'));
    EXPECT_TRUE(view.keys.empty());
}

TEST_F(OrbViewTest, ModifierChangesBecomeKeyEventsOfTheirCodes) {
    view.modifiersChanged(OrbModShift | OrbModControl);
    view.modifiersChanged(OrbModControl | OrbModCapsLock);
    view.modifiersChanged(OrbModControl | OrbModCapsLock);
    const int mask1 = OrbModShift | OrbModControl;
    const int mask2 = OrbModControl | OrbModCapsLock;
    const std::vector<KeyEvent> expected = {{OrbKeyShift, OrbKeyPressed, mask1},
                                            {OrbKeyControl, OrbKeyPressed, mask1},
                                            {OrbKeyShift, OrbKeyReleased, mask2},
                                            {OrbKeyCapsLock, OrbKeyPressed, mask2}};
    EXPECT_EQ(view.keys, expected);
    EXPECT_EQ(view.modifiers(), mask2);

    view.keys.clear();
    view.modifiersChanged(OrbModAlt | OrbModWindows);
    const int mask3 = OrbModAlt | OrbModWindows;
    const std::vector<KeyEvent> expected2 = {{OrbKeyCapsLock, OrbKeyReleased, mask3},
                                             {OrbKeyControl, OrbKeyReleased, mask3},
                                             {OrbKeyAlt, OrbKeyPressed, mask3},
                                             {OrbKeyWindows, OrbKeyPressed, mask3}};
    EXPECT_EQ(view.keys, expected2);
}

TEST_F(OrbViewTest, ModifierKeysAreAskedLiveOfThePlatform) {
    view.keyInput('q', OrbKeyPressed, 0);
    impl.live = OrbModAlt;
    EXPECT_TRUE(view.isKeyDown(OrbKeyAlt));
    EXPECT_FALSE(view.isKeyDown(OrbKeyShift));
    // Even a modifier the view was told about is answered from the live state.
    view.modifiersChanged(OrbModShift);
    EXPECT_FALSE(view.isKeyDown(OrbKeyShift));
    EXPECT_TRUE(view.isKeyDown('q'));
}

TEST_F(OrbViewTest, LosingFocusReleasesEveryHeldKey) {
    view.modifiersChanged(OrbModShift);
    view.keyInput(OrbKeyLeft, OrbKeyPressed, OrbModShift);
    view.keyInput('z', OrbKeyPressed, OrbModShift);
    view.keyInput('z', OrbKeyReleased, OrbModShift);
    view.keys.clear();

    view.focusChange(false);
    const std::vector<KeyEvent> expected = {{OrbKeyLeft, OrbKeyReleased, 0},
                                            {OrbKeyShift, OrbKeyReleased, 0}};
    EXPECT_EQ(view.keys, expected);
    EXPECT_FALSE(view.isKeyDown(OrbKeyLeft));
    EXPECT_EQ(view.modifiers(), 0);
    EXPECT_EQ(view.focusCalls, std::vector<bool>{false});

    // Losing it again changes nothing and reports nothing.
    view.keys.clear();
    view.focusChange(false);
    EXPECT_TRUE(view.keys.empty());
    EXPECT_EQ(view.focusCalls, std::vector<bool>{false});
}

TEST_F(OrbViewTest, TypingHidesAndTheMouseShowsTheCursor) {
    EXPECT_EQ(view.cursorMode(), OrbCursorHiddenByTyping);
    view.keyInput('a', OrbKeyPressed, 0);
    EXPECT_FALSE(view.isCursorVisible());
    EXPECT_FALSE(impl.cursorVisible());
    view.mouseMoveInput(5, 5, 0);
    EXPECT_TRUE(impl.cursorVisible());
    // A release or a repeat is not typing.
    view.keyInput('a', OrbKeyReleased, 0);
    EXPECT_TRUE(impl.cursorVisible());

    view.setCursorMode(OrbCursorAlwaysVisible);
    view.keyInput('b', OrbKeyPressed, 0);
    EXPECT_TRUE(impl.cursorVisible());
    view.setCursorMode(OrbCursorAlwaysHidden);
    EXPECT_FALSE(impl.cursorVisible());
    view.mouseButtonInput(OrbMouseLeft, OrbMousePress, 1, 2, 0);
    EXPECT_FALSE(impl.cursorVisible());
}

TEST_F(OrbViewTest, IdleCursorHidesAfterThreeSecondsWithoutMouseActivity) {
    view.setCursorMode(OrbCursorHiddenByTypingAndIdle);
    view.tick(2.0);
    EXPECT_TRUE(impl.cursorVisible());
    view.mouseMoveInput(1, 1, 0); // restarts the timer
    view.tick(2.0);
    EXPECT_TRUE(impl.cursorVisible());
    view.tick(1.0);
    EXPECT_FALSE(impl.cursorVisible());
    view.mouseButtonInput(OrbMouseRight, OrbMousePress, 3, 4, OrbModShift);
    EXPECT_TRUE(impl.cursorVisible());
    ASSERT_EQ(view.buttons.size(), 1u);
    EXPECT_EQ(view.buttons[0], std::make_tuple(int(OrbMouseRight), int(OrbMousePress), 4003));
}

TEST_F(OrbViewTest, TimeStandsStillWhileAdvanceIsSuspended) {
    view.tick(0.25);
    view.suspendAdvance();
    view.tick(0.5);
    view.resumeAdvance();
    view.tick(0.125);
    EXPECT_EQ(view.advanced, (std::vector<double>{0.25, 0.125}));
}

TEST_F(OrbViewTest, FrameRateIsMeasuredOverAtLeastOneSecond) {
    EXPECT_EQ(view.frameRate(), 0.0);
    view.paint(10.0);
    view.paint(10.5);
    EXPECT_EQ(view.frameRate(), 0.0);
    view.paint(11.0);
    EXPECT_DOUBLE_EQ(view.frameRate(), 3.0);
    view.paint(11.5);
    view.paint(13.0);
    EXPECT_DOUBLE_EQ(view.frameRate(), 1.0);
    EXPECT_EQ(view.draws, 5);
}

TEST_F(OrbViewTest, PaintWithoutGraphicsDrawsNothing) {
    view.detachGraphics();
    view.paint(1.0);
    EXPECT_EQ(view.draws, 0);
    EXPECT_FALSE(view.hasGraphics());
    EXPECT_EQ(view.clientWidth(), 0);
}

TEST_F(OrbViewTest, OnlyARealSizeChangeIsReported) {
    view.sizeChanged(800, 600);
    view.sizeChanged(640, 480);
    view.sizeChanged(640, 480);
    EXPECT_EQ(view.sizes, (std::vector<std::pair<int, int>>{{640, 480}}));
    EXPECT_EQ(view.clientWidth(), 640);
    view.detachGraphics();
    view.sizeChanged(320, 200);
    EXPECT_EQ(view.sizes.size(), 1u);
}

TEST_F(OrbViewTest, StateIsSavedOnce) {
    view.saveOnce();
    view.saveOnce();
    EXPECT_EQ(view.saves, 1);
}

} // namespace
