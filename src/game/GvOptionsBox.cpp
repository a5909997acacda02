#include "game/GvOptionsBox.h"

#include "game/GvView.h"
#include "graphics/OrbFont.h"

#include <cmath>
#include <cstdio>

GvOptionsBox::GvOptionsBox(GvView& view) : GvMenuPanel(view, "Options") {
    const OrbColor white{1.0f, 1.0f, 1.0f, 1.0f};
    addText("Volume: ", 0.0f, 0.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    const float x = textWidth("Full Screen: ", 5.0f);
    volume_ = addSpinner({x, -1.0f, 40.0f, 7.0f}, [this](int direction) {
        if (direction < 0) {
            view_.volumeDown();
        } else {
            view_.volumeUp();
        }
        refresh();
    });
    addText("Full Screen: ", 0.0f, -10.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    fullScreen_ = addText("Off", x, -10.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    addButton("Toggle", {x + 14.0f, -11.0f, 26.0f, 7.0f}, [this] {
        view_.toggleFullScreen();
        refresh();
    });
    const int done =
        addButton("DONE", {x - 20.0f, -22.0f, 40.0f, 7.0f}, [this] { view_.backScreen(); });
    finishPanel(done);
    refresh();
}

void GvOptionsBox::refresh() {
    char text[32];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(std::lround(view_.volume() * 100)));
    item(volume_).text = text;
    item(fullScreen_).text = view_.isFullScreen() ? "On" : "Off";
}

void GvOptionsBox::reset() {
    GvMenuPanel::reset();
    refresh();
}

void GvOptionsBox::beforeDraw() {
    refresh();
}

void GvOptionsBox::onReturn() {
    view_.backScreen();
}

void GvOptionsBox::onEscape() {
    view_.backScreen();
}
