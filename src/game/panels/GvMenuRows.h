#pragma once
#include "ui/GvOptionPushButton.h"

#include <memory>
#include <string>

class GvPanel;

// Stacks a menu's push buttons from y 0 downwards, centred on x 0, and links each
// to the one above it for the arrows and Tab.
class GvMenuRows {
public:
    static constexpr float kWidth = 50.0f;
    static constexpr float kHeight = 7.0f;
    static constexpr float kPitch = 9.0f;

    explicit GvMenuRows(GvPanel& panel) : panel_(panel) {}

    GvOptionPushButton* add(const std::string& text, std::unique_ptr<OrbCallback> action);

private:
    GvPanel& panel_;
    GvOptionPushButton* last_ = nullptr;
    float y_ = 0.0f;
};
