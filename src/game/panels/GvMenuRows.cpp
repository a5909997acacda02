#include "game/panels/GvMenuRows.h"

#include "ui/GvPanel.h"

GvOptionPushButton* GvMenuRows::add(const std::string& text, std::unique_ptr<OrbCallback> action) {
    GvOptionPushButton* row = panel_.addChild(std::make_unique<GvOptionPushButton>(
        &panel_, panel_.resources(), OrbRect{-kWidth / 2.0f, y_ - kHeight, kWidth, kHeight}, text,
        std::move(action)));
    if (last_ != nullptr) {
        OrbControl::linkVertical(last_, row);
    }
    last_ = row;
    y_ -= kPitch;
    return row;
}
