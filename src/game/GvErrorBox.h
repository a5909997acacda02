#pragma once
#include "game/GvMenuPanel.h"

#include <string>
#include <vector>

// Tells the player what went wrong (a level pack that cannot be loaded). The
// message is word-wrapped and cut to its first lines so that the box always fits.
class GvErrorBox : public GvMenuPanel {
public:
    static constexpr int kMaxLines = 10;
    static constexpr float kWrapWidth = 100.0f;

    GvErrorBox(GvView& view, const std::string& message);
    void onEscape() override;
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
