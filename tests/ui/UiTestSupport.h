#pragma once

#include "graphics/GvFont.h"
#include "ui/OrbCallback.h"
#include "ui/OrbControl.h"
#include "ui/OrbSetValueCallback.h"
#include "ui/OrbValueCallback.h"

#include <functional>
#include <memory>
#include <vector>

// An action that runs a test's lambda.
class LambdaCallback : public OrbCallback {
public:
    explicit LambdaCallback(std::function<void()> f) : f_(std::move(f)) {}
    void invoke() override { f_(); }

private:
    std::function<void()> f_;
};

inline std::unique_ptr<OrbCallback> countInto(int& counter) {
    return std::make_unique<LambdaCallback>([&counter] { ++counter; });
}

// A plain control with a rectangle that records the keys offered to it.
class RectControl : public OrbControl {
public:
    RectControl(OrbControl* parent, const OrbRect& rect) : OrbControl(parent), rect_(rect) {}
    OrbRect bounds() const override { return rect_; }
    bool keyEvent(int key, int action, int modifiers) override {
        keys.push_back(key);
        return OrbControl::keyEvent(key, action, modifiers);
    }
    bool mouseButton(int, bool down, OrbPoint, int) override {
        presses.push_back(down);
        return handleMouse;
    }
    bool mouseMove(OrbPoint point, int) override {
        setHighlighted(rectContains(rect_, point));
        ++moves;
        return false;
    }
    std::vector<int> keys;
    std::vector<bool> presses;
    int moves = 0;
    bool handleMouse = true;

private:
    OrbRect rect_;
};

// A float the slider reads and writes, with a log of what was stored.
class FloatBox : public OrbValueCallback<float>, public OrbSetValueCallback<float> {
public:
    float get() const override { return value; }
    void set(float v) override {
        value = v;
        stored.push_back(v);
    }
    float value = 0.0f;
    std::vector<float> stored;
};

// A getter and a setter that forward to a FloatBox the test keeps.
class FloatGetter : public OrbValueCallback<float> {
public:
    explicit FloatGetter(FloatBox& box) : box_(box) {}
    float get() const override { return box_.get(); }

private:
    FloatBox& box_;
};
class FloatSetter : public OrbSetValueCallback<float> {
public:
    explicit FloatSetter(FloatBox& box) : box_(box) {}
    void set(float v) override { box_.set(v); }

private:
    FloatBox& box_;
};

// A font of tiny solid cells: measuring works without a GL context.
inline std::unique_ptr<GvFont> makeTestFont() {
    const int cell = 4;
    const std::vector<unsigned char> image(
        static_cast<std::size_t>(GvFont::kCellsAcross * GvFont::kCellRows * cell * cell), 255);
    return std::make_unique<GvFont>(image.data(), cell);
}
