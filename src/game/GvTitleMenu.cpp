#include "game/GvTitleMenu.h"

#include "game/GvAboutBox.h"
#include "game/GvHelpBox.h"
#include "game/GvOptionsBox.h"
#include "game/GvResources.h"
#include "game/GvStartBox.h"
#include "game/GvView.h"
#include "graphics/OrbTexture.h"

GvTitleMenu::GvTitleMenu(GvView& view) : GvMenuPanel(view, "", false) {
    addImage({-50.0f, 17.0f, 100.0f, 25.0f});
    const char* names[] = {"START", "OPTIONS", "HELP", "ABOUT", "QUIT"};
    int first = -1;
    for (int i = 0; i < 5; ++i) {
        const float y = -10.0f * i;
        const int index = addButton(names[i], {-32.0f, y - 1.0f, 64.0f, 9.0f}, nullptr, 8.0f);
        if (i == 0) {
            first = index;
        }
    }
    item(first).action = [this] { view_.showScreen(&view_.startBox()); };
    item(first + 1).action = [this] { view_.showScreen(&view_.optionsBox()); };
    item(first + 2).action = [this] { view_.showScreen(&view_.helpBox()); };
    item(first + 3).action = [this] { view_.showScreen(&view_.aboutBox()); };
    item(first + 4).action = [this] { view_.quit(); };
    finishPanel(first);
}

void GvTitleMenu::drawImage(GvResources& resources, int, const OrbRect& rect,
                            const OrbColor& tint) {
    resources.logo().addQuad(rect, tint);
    resources.logo().flush();
}
