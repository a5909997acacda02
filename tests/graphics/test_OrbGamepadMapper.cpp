#include "graphics/OrbGamepadMapper.h"

#include "graphics/OrbView.h"
#include "graphics/OrbViewImpl.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class NoWindow : public OrbViewImpl {
public:
    int liveModifiers() const override { return 0; }
    void setCursorVisible(bool) override {}
    bool setFullScreen(bool) override { return true; }
    bool isMaximized() const override { return false; }
    OrbWindowRect windowRectangle() const override { return {}; }
    void invalidate() override {}
    bool messageBox(int, const std::string&, const std::string&) override { return true; }
    void close() override {}
};

using KeyEvent = std::tuple<int, int, int>;

// Records the keys the controllers turn into; `playing` answers whether the action
// button is the snap modifier.
class KeyLog : public OrbView {
public:
    explicit KeyLog(OrbViewImpl& impl) : OrbView(impl) { attachGraphics(100, 100); }
    void draw() override {}
    bool keyEvent(int key, int state, int modifiers) override {
        keys.emplace_back(key, state, modifiers);
        return true;
    }
    bool actionButtonIsModifier() const override { return playing; }

    bool playing = false;
    std::vector<KeyEvent> keys;
};

class OrbGamepadMapperTest : public ::testing::Test {
protected:
    std::vector<KeyEvent> take() { return std::exchange(view.keys, {}); }

    NoWindow impl;
    KeyLog view{impl};
    OrbGamepadMapper pad;
};

TEST_F(OrbGamepadMapperTest, TheStickNeedsAFirmPushAndAClearReturn) {
    struct Step {
        int x;
        std::vector<KeyEvent> keys;
    };
    const Step steps[] = {
        {15999, {}},
        {16000, {{OrbKeyRight, OrbKeyPressed, 0}}},
        {12000, {}}, // still held between the two distances
        {11999, {{OrbKeyRight, OrbKeyReleased, 0}}},
        {-14000, {}},
        {-32768, {{OrbKeyLeft, OrbKeyPressed, 0}}},
        // Straight across: one direction lets go as the other is taken.
        {32767, {{OrbKeyLeft, OrbKeyReleased, 0}, {OrbKeyRight, OrbKeyPressed, 0}}},
        {0, {{OrbKeyRight, OrbKeyReleased, 0}}},
    };
    for (const Step& step : steps) {
        pad.axis(view, 1, OrbGamepadMapper::StickX, step.x, 0);
        EXPECT_EQ(take(), step.keys) << step.x;
    }
    pad.axis(view, 1, OrbGamepadMapper::StickY, -20000, 0);
    EXPECT_EQ(take(), (std::vector<KeyEvent>{{OrbKeyUp, OrbKeyPressed, 0}}));
}

TEST_F(OrbGamepadMapperTest, ControllersCountAsOneAndAnUnpluggedOneLetsGo) {
    pad.button(view, 1, OrbGamepadMapper::DpadDown, true, 0);
    pad.axis(view, 2, OrbGamepadMapper::StickY, 30000, 0);
    pad.button(view, 2, OrbGamepadMapper::Start, true, 0);
    pad.button(view, 1, OrbGamepadMapper::East, true, 0);
    EXPECT_EQ(take(), (std::vector<KeyEvent>{{OrbKeyDown, OrbKeyPressed, 0},
                                             {OrbKeyEscape, OrbKeyPressed, 0}}));
    pad.removed(view, 1, 0);
    EXPECT_EQ(take(), std::vector<KeyEvent>{});
    pad.removed(view, 2, 0);
    EXPECT_EQ(take(), (std::vector<KeyEvent>{{OrbKeyDown, OrbKeyReleased, 0},
                                             {OrbKeyEscape, OrbKeyReleased, 0}}));
}

TEST_F(OrbGamepadMapperTest, TheActionButtonIsSnapInPlayAndReturnInMenus) {
    // In a menu: Return, released as Return even if play has begun meanwhile.
    pad.button(view, 0, OrbGamepadMapper::South, true, 0);
    view.playing = true;
    pad.button(view, 0, OrbGamepadMapper::South, false, 0);
    EXPECT_EQ(take(), (std::vector<KeyEvent>{{OrbKeyReturn, OrbKeyPressed, 0},
                                             {OrbKeyReturn, OrbKeyReleased, 0}}));

    // In play: Control, held with the keyboard's Shift and seen with the arrows.
    view.modifiersChanged(OrbModShift);
    take();
    pad.button(view, 0, OrbGamepadMapper::South, true, OrbModShift);
    EXPECT_EQ(pad.modifiers(), OrbModControl);
    pad.button(view, 0, OrbGamepadMapper::DpadLeft, true, OrbModShift);
    view.playing = false;
    pad.button(view, 0, OrbGamepadMapper::South, false, OrbModShift);
    EXPECT_EQ(pad.modifiers(), 0);
    EXPECT_EQ(take(),
              (std::vector<KeyEvent>{{OrbKeyControl, OrbKeyPressed, OrbModShift | OrbModControl},
                                     {OrbKeyLeft, OrbKeyPressed, OrbModShift | OrbModControl},
                                     {OrbKeyControl, OrbKeyReleased, OrbModShift}}));
}

} // namespace
