#pragma once

#include "ui/OrbControl.h"

#include <string>
#include <vector>

class OrbFont;

// Several text runs drawn with one font, each with its own place, size, colour and
// alignment; used where one control shows a small table of texts.
class OrbMultiTextControl : public OrbControl {
public:
    struct Run {
        std::string text;
        OrbPoint anchor;
        float size = 1.0f;
        OrbColor colour;
        int alignment = 0;
        int fontFlags = 0;
        float fontScale = 1.0f;
    };

    OrbMultiTextControl(OrbControl* parent, OrbFont* font);

    // The union of the runs' measured boxes (empty at the origin without runs).
    OrbRect bounds() const override;
    void moveBy(OrbPoint offset) override;
    void draw(const OrbColor& tint) override;

    void addText(std::string text, OrbPoint anchor, float size, const OrbColor& colour,
                 int alignment, int fontFlags = 0, float fontScale = 1.0f);
    int runCount() const { return static_cast<int>(runs_.size()); }
    const Run& run(int index) const { return runs_[static_cast<std::size_t>(index)]; }

private:
    OrbRect measure(const Run& run) const;

    OrbFont* font_;
    std::vector<Run> runs_;
};
