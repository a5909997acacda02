#include "game/GvLevelPackBox.h"

#include "formats/GvLevelPackScanner.h"
#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"
#include "graphics/OrbKeyCode.h"
#include "platform/OrbPaths.h"

#include <algorithm>
#include <strings.h>

namespace {

const OrbColor kWhite{1.0f, 1.0f, 1.0f, 1.0f};
constexpr float kRowHeight = 33.6f / GvLevelPackBox::kRows;

} // namespace

GvLevelPackBox::GvLevelPackBox(GvView& view) : GvMenuPanel(view, "Level Pack") {
    for (int i = 0; i < kRows; ++i) {
        rows_[i] = addButton("", {-50.0f, -kRowHeight * (i + 1), 100.0f, kRowHeight - 0.4f},
                             nullptr, 3.5f);
        item(rows_[i]).action = [this, i] {
            const int index = first_ + i;
            if (index == selection_) {
                load();
            } else {
                setSelection(index);
            }
        };
    }
    const float y = -33.6f - 5.0f;
    addText("File: ", -50.0f, y, 3.0f, OrbFont::kAlignLeftBottom, kWhite);
    file_ =
        addText("", -50.0f + textWidth("File: ", 3.0f), y, 3.0f, OrbFont::kAlignLeftBottom, kWhite);
    addText("Place level packs in the same folder as the", 0.0f, y - 5.0f, 3.0f,
            OrbFont::kAlignCentre | OrbFont::kAlignBottom, kWhite);
    addText("Gravik app to have them apppear in this list.", 0.0f, y - 9.0f, 3.0f,
            OrbFont::kAlignCentre | OrbFont::kAlignBottom, kWhite);
    load_ = addButton("LOAD", {-45.0f, y - 19.0f, 40.0f, 7.0f}, [this] { load(); });
    addButton("CANCEL", {5.0f, y - 19.0f, 40.0f, 7.0f}, [this] { view_.backScreen(); });
    finishPanel(rows_[0]);
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
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
        const GvLevelPackEntry& entry = *entries_[i];
        if (entry.kind == GvLevelPackEntry::kBuiltIn) {
            builtIn = i;
        } else if (!current.empty() && chosen < 0 &&
                   strcasecmp(entry.path.c_str(), current.c_str()) == 0) {
            chosen = i;
        }
    }
    selection_ = chosen >= 0 ? chosen : builtIn;
    first_ = firstRowFor(selection_, static_cast<int>(entries_.size()), kRows);
    showRows();
    GvMenuPanel::reset();
    setFocus(rows_[selection_ - first_ < kRows ? selection_ - first_ : 0]);
}

void GvLevelPackBox::showRows() {
    const int count = static_cast<int>(entries_.size());
    for (int i = 0; i < kRows; ++i) {
        const int index = first_ + i;
        Item& row = item(rows_[i]);
        row.visible = index < count;
        row.text = index < count ? OrbFont::filterText(entries_[index]->name, false) : "";
        row.colour = kWhite;
    }
    Item& file = item(file_);
    if (selection_ >= 0 && selection_ < count) {
        const GvLevelPackEntry& entry = *entries_[selection_];
        file.text = entry.kind == GvLevelPackEntry::kBuiltIn
                        ? "[Standard Level Pack]"
                        : OrbFont::filterText(fileNamePart(entry.path), false);
    } else {
        file.text.clear();
    }
    item(load_).enabled = selection_ >= 0 && selection_ < count;
}

const std::string& GvLevelPackBox::fileText() const {
    return item(file_).text;
}

void GvLevelPackBox::setSelection(int index) {
    const int count = static_cast<int>(entries_.size());
    if (count == 0) {
        return;
    }
    selection_ = std::clamp(index, 0, count - 1);
    if (selection_ < first_) {
        first_ = selection_;
    } else if (selection_ >= first_ + kRows) {
        first_ = selection_ - kRows + 1;
    }
    showRows();
    setFocus(rows_[selection_ - first_]);
}

bool GvLevelPackBox::inList() const {
    for (const int row : rows_) {
        if (focus_ == row) {
            return true;
        }
    }
    return false;
}

bool GvLevelPackBox::keyEvent(int key, int state, int modifiers) {
    if (inList() && state != OrbKeyReleased) {
        const int count = static_cast<int>(entries_.size());
        switch (key) {
        case OrbKeyUp:
            setSelection(selection_ - 1);
            return true;
        case OrbKeyDown:
            setSelection(selection_ + 1);
            return true;
        case OrbKeyPageUp:
            setSelection(selection_ - kRows);
            return true;
        case OrbKeyPageDown:
            setSelection(selection_ + kRows);
            return true;
        case OrbKeyHome:
            setSelection(0);
            return true;
        case OrbKeyEnd:
            setSelection(count - 1);
            return true;
        case OrbKeyReturn:
        case OrbKeySpace:
            if (state == OrbKeyPressed && (modifiers & ~OrbModCapsLock) == 0) {
                load();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return GvMenuPanel::keyEvent(key, state, modifiers);
}

bool GvLevelPackBox::load() {
    const int count = static_cast<int>(entries_.size());
    if (selection_ < 0 || selection_ >= count) {
        return false;
    }
    const GvLevelPackEntry& entry = *entries_[selection_];
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

void GvLevelPackBox::onReturn() {
    load();
}

void GvLevelPackBox::onEscape() {
    view_.backScreen();
}
