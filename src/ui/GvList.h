#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbListControl.h"

#include <string>
#include <vector>

// A list of names in the game's look: a framed background, a highlighted
// selection, and type-ahead that finds the name sharing the longest beginning
// with what was typed.
class GvList : public OrbListControl {
public:
    static constexpr float kTextSize = 4.0f;
    static constexpr float kTextIndent = 2.0f;
    static constexpr float kThumbInset = 0.32f;

    GvList(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect, int visibleRows,
           float scrollBarWidth);

    void draw(const OrbColor& tint) override;
    int findItemByPrefix(const std::string& text) const override;
    void drawItem(int index, const OrbRect& row, const OrbColor& tint) override;
    void drawScrollBar(const OrbRect& track, const OrbRect& thumb, const OrbColor& tint) override;

    // Replaces the items; the count follows.
    void setItems(std::vector<std::string> items);
    const std::vector<std::string>& items() const { return items_; }
    OrbColor itemColour(int index) const;

private:
    const GvUiResources* resources_;
    std::vector<std::string> items_;
};
