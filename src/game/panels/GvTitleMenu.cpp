#include "game/panels/GvTitleMenu.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvAboutBox.h"
#include "game/panels/GvHelpBox.h"
#include "game/panels/GvOptionsBox.h"
#include "game/panels/GvStartBox.h"
#include "ui/GvMenuButton.h"
#include "ui/OrbImageControl.h"
#include "ui/OrbObjectCallback.h"

GvTitleMenu::GvTitleMenu(GvView& view) : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    addChild(std::make_unique<OrbImageControl>(this, &view.resources().logo(),
                                               OrbRect{-50.0f, 17.0f, 100.0f, 25.0f}));
    const struct {
        const char* text;
        void (GvTitleMenu::*action)();
    } entries[] = {{"START", &GvTitleMenu::showStart},
                   {"OPTIONS", &GvTitleMenu::showOptions},
                   {"HELP", &GvTitleMenu::showHelp},
                   {"ABOUT", &GvTitleMenu::showAbout}};
    OrbControl* previous = nullptr;
    float y = 0.0f;
    for (const auto& entry : entries) {
        OrbControl* button = addChild(std::make_unique<GvMenuButton>(
            this, resources(), OrbPoint{0.0f, y}, entry.text, objectCallback(this, entry.action)));
        if (previous != nullptr) {
            linkVertical(previous, button);
        } else {
            button->setDefaultFocus(true);
        }
        previous = button;
        y -= 10.0f;
    }
    OrbControl* quit = addChild(std::make_unique<GvMenuButton>(
        this, resources(), OrbPoint{0.0f, y}, "QUIT", objectCallback(&view, &GvView::quit)));
    linkVertical(previous, quit);
    finishPanel("", false);
}

void GvTitleMenu::showStart() {
    view_.showScreen(&view_.startBox());
}

void GvTitleMenu::showOptions() {
    view_.showScreen(&view_.optionsBox());
}

void GvTitleMenu::showHelp() {
    view_.showScreen(&view_.helpBox());
}

void GvTitleMenu::showAbout() {
    view_.showScreen(&view_.aboutBox());
}
