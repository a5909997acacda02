#pragma once
#include "ui/GvPanel.h"

#include <string>
#include <vector>

class GvView;

// Tells the player what went wrong (a level pack that cannot be loaded). The
// message is word-wrapped and cut to its first lines so that the box always fits.
class GvErrorBox : public GvPanel {
public:
    static constexpr int kMaxLines = 10;
    static constexpr float kWrapWidth = 100.0f;
    static constexpr float kTextSize = 4.0f;

    GvErrorBox(GvView& view, const std::string& message);
    void onEscape() override;
    const std::vector<std::string>& lines() const { return lines_; }

private:
    GvView& view_;
    std::vector<std::string> lines_;
};
