#include "game/panels/GvLevelPackBox.h"

#include "formats/GvLevelPackScanner.h"
#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "graphics/OrbFont.h"
#include "platform/OrbPaths.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvList.h"
#include "ui/GvText.h"
#include "ui/GvTinyField.h"
#include "ui/GvTinyLabel.h"
#include "ui/GvUiColours.h"
#include "ui/OrbObjectCallback.h"

#include <algorithm>
#include <strings.h>

namespace {

constexpr float kListWidth = 100.0f;
constexpr float kListHeight = 33.6f;
constexpr float kScrollBarWidth = 4.0f;
constexpr float kTinySize = 3.0f;

} // namespace

GvLevelPackBox::GvLevelPackBox(GvView& view)
    : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    const float left = -kListWidth / 2.0f;
    list_ = addChild(std::make_unique<GvList>(this, resources(),
                                              OrbRect{left, -kListHeight, kListWidth, kListHeight},
                                              kRows, kScrollBarWidth));
    list_->setDefaultFocus(true);
    list_->setSelectionCallback(objectCallback(this, &GvLevelPackBox::showFile));
    list_->setCallback(objectCallback(this, &GvLevelPackBox::loadPressed));

    float y = -kListHeight - 5.0f;
    const int leftBottom = OrbFont::kAlignLeftBottom;
    addChild(
        std::make_unique<GvTinyLabel>(this, resources(), "File: ", OrbPoint{left, y}, leftBottom));
    file_ = addChild(std::make_unique<GvTinyField>(
        this, resources(), "", OrbPoint{left + textWidth("File: ", kTinySize), y}, leftBottom));
    const OrbColor hint = GvUiColours::make(0.7f, 0.7f, 0.7f);
    const int centred = OrbFont::kAlignCentre | OrbFont::kAlignBottom;
    y -= 5.0f;
    addChild(std::make_unique<GvText>(this, resources(),
                                      "Place level packs in the same folder as the",
                                      OrbPoint{0.0f, y}, kTinySize, hint, centred));
    y -= 4.0f;
    addChild(std::make_unique<GvText>(this, resources(),
                                      "Gravik app to have them apppear in this list.",
                                      OrbPoint{0.0f, y}, kTinySize, hint, centred));
    y -= 10.0f;
    load_ = addChild(std::make_unique<GvDialogPushButton>(
        this, resources(), OrbRect{-45.0f, y, 40.0f, 7.0f}, "LOAD",
        objectCallback(this, &GvLevelPackBox::loadPressed)));
    GvPushButton* cancel = addChild(
        std::make_unique<GvDialogPushButton>(this, resources(), OrbRect{5.0f, y, 40.0f, 7.0f},
                                             "CANCEL", objectCallback(&view, &GvView::backScreen)));
    linkNext(list_, load_);
    linkHorizontal(load_, cancel);
    linkNext(cancel, list_);
    load_->setNeighbour(kUp, list_);
    cancel->setNeighbour(kUp, list_);
    finishPanel("Level Pack");
}

int GvLevelPackBox::firstRowFor(int selection, int count, int rows) {
    return std::clamp(selection - rows / 2, 0, std::max(0, count - rows));
}

void GvLevelPackBox::reset() {
    if (folder_.empty()) {
        scanLevelPacks(entries_, view_.standardPack());
    } else {
        scanLevelPacks(entries_, view_.standardPack(), folder_);
    }
    int chosen = -1;
    int builtIn = 0;
    const std::string& current = view_.packFileName();
    std::vector<std::string> names;
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const GvLevelPackEntry& entry = *entries_[i];
        names.push_back(OrbFont::filterText(entry.name, false));
        if (entry.kind == GvLevelPackEntry::kBuiltIn) {
            builtIn = i;
        } else if (!current.empty() && chosen < 0 &&
                   strcasecmp(entry.path.c_str(), current.c_str()) == 0) {
            chosen = i;
        }
    }
    const int count = static_cast<int>(names.size());
    list_->setItems(std::move(names));
    const int selection = count == 0 ? -1 : chosen >= 0 ? chosen : builtIn;
    list_->setSelected(selection);
    list_->setFirstVisible(firstRowFor(selection, count, kRows));
    showFile();
    GvPanel::reset();
}

int GvLevelPackBox::selection() const {
    return list_->selected();
}

void GvLevelPackBox::showFile() {
    const int index = list_->selected();
    if (index >= 0 && index < static_cast<int>(entries_.size())) {
        const GvLevelPackEntry& entry = *entries_[index];
        file_->setText(entry.kind == GvLevelPackEntry::kBuiltIn
                           ? "[Standard Level Pack]"
                           : OrbFont::filterText(fileNamePart(entry.path), false));
    } else {
        file_->setText("");
    }
    load_->setEnabled(index >= 0 && index < static_cast<int>(entries_.size()));
}

const std::string& GvLevelPackBox::fileText() const {
    return file_->text();
}

bool GvLevelPackBox::mouseWheel(int steps, OrbPoint point) {
    if (!isEnabled() || list_->isCapturing() || !contains(point)) {
        return false;
    }
    list_->setFirstVisible(list_->firstVisible() - steps);
    return true;
}

void GvLevelPackBox::loadPressed() {
    load();
}

bool GvLevelPackBox::load() {
    const int index = list_->selected();
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        return false;
    }
    const GvLevelPackEntry& entry = *entries_[index];
    if (entry.kind == GvLevelPackEntry::kBuiltIn) {
        if (view_.hasLoadedPack()) {
            view_.useStandardPack();
        }
        view_.backScreen();
        return true;
    }
    std::string message;
    if (view_.loadLevelPack(entry.path, message)) {
        view_.backScreen();
        return true;
    }
    view_.showError(message);
    return false;
}

void GvLevelPackBox::onReturn(int key) {
    load_->pressByKey(key);
}

void GvLevelPackBox::onEscape() {
    view_.backScreen();
}
