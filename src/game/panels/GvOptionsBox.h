#pragma once
#include "ui/GvPanel.h"

class GvField;
class GvPushButton;
class GvSlider;
class GvView;

// Volume and full screen. The full-screen field follows the window's state, which
// can also change by Alt+Return while the box is up.
class GvOptionsBox : public GvPanel {
public:
    explicit GvOptionsBox(GvView& view);
    void reset() override;
    void draw(const OrbColor& tint) override;
    void onReturn(int key) override;
    void onEscape() override;

    GvSlider* slider() const { return slider_; }
    const GvField* fullScreenField() const { return fullScreen_; }

private:
    void refresh();
    void toggleFullScreen();

    GvView& view_;
    GvSlider* slider_ = nullptr;
    GvField* fullScreen_ = nullptr;
    GvPushButton* done_ = nullptr;
};
