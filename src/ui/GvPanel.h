#pragma once

#include "ui/GvUiResources.h"
#include "ui/OrbGroupControl.h"

#include <memory>
#include <string>

// The base of every dialog and menu: a group that, when nothing inside wants a
// key, turns Return and Escape into its own hooks, and that puts the focus on its
// default control whenever it is shown. `finishPanel` gives it its title and its
// rounded frame and centres it on the canvas.
class GvPanel : public OrbGroupControl {
public:
    static constexpr float kTitleSize = 8.0f;
    static constexpr float kTitleGap = 6.0f;
    static constexpr float kMarginX = 8.0f;
    static constexpr float kMarginY = 4.0f;
    static constexpr float kTitleBand = 15.0f;
    static constexpr float kCornerRadius = 4.0f;
    static constexpr int kCornerPoints = 9;

    GvPanel(OrbControl* parent, const GvUiResources* resources, const OrbRect& bounds = OrbRect{});
    ~GvPanel() override;

    // Showing the panel: controls forget their presses and drags, the default
    // control takes the focus, hover states are cleared.
    void reset() override;
    bool keyEvent(int key, int action, int modifiers) override;
    void moveBy(OrbPoint offset) override;
    // The frame first, then the controls.
    void draw(const OrbColor& tint) override;

    // A GL context came or goes (panels with pictures of their own).
    virtual void graphicsCreated() {}
    virtual void graphicsReleased() {}
    virtual void onReturn(int /*key*/) {}
    virtual void onEscape() {}
    // Called before the panel is drawn, outside the slide and zoom of a transition,
    // so that a panel can render into textures of its own.
    virtual void prepareDraw() {}
    // Wheel notches (positive away from the user) at a point; unhandled by default.
    virtual bool mouseWheel(int /*steps*/, OrbPoint /*point*/) { return false; }

    const GvUiResources* resources() const { return resources_; }
    // The colour the controller multiplies into this panel's drawing.
    const OrbColor& tint() const { return tint_; }
    void setTint(const OrbColor& tint) { tint_ = tint; }
    const std::string& title() const { return title_; }
    // The frame's pieces (null before finishing or for a frameless panel).
    const OrbGroupControl* frame() const { return frame_.get(); }

    // The width of a text as the panels' texts draw it.
    float textWidth(const std::string& text, float size) const;

protected:
    // Ends construction: a title above the content, the whole panel centred on the
    // origin, the frame around it, and the focus on the default control. A
    // frameless panel keeps its own placement and gets neither title nor frame.
    void finishPanel(const std::string& title, bool framed = true);

private:
    void buildFrame(const OrbRect& rect);

    const GvUiResources* resources_;
    OrbColor tint_{1.0f, 1.0f, 1.0f, 1.0f};
    std::string title_;
    std::unique_ptr<OrbGroupControl> frame_;
};
