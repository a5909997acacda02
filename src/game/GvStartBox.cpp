#include "game/GvStartBox.h"

#include "game/GvLevelPackBox.h"
#include "game/GvResources.h"
#include "game/GvStatistics.h"
#include "game/GvView.h"
#include "graphics/GvFont.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbRenderToTexture.h"
#include "levelpack/GvLevelPack.h"

#include <algorithm>
#include <cstdio>

namespace {

const OrbColor kWhite{1.0f, 1.0f, 1.0f, 1.0f};

const GvCaveRecord* findRecord(const GvLevelPack& pack, const GvStatistics& statistics, int level) {
    GvStatistics::Key key{};
    pack.levelDigest(level, key.data());
    return statistics.find(key);
}

} // namespace

GvStartBox::GvStartBox(GvView& view) : GvMenuPanel(view, "Start") {
    const float labelWidth = textWidth("Level: ", 5.0f);
    const float spinnerWidth = textWidth(" AA ", 5.0f) + 10.0f;
    addText("Cave: ", 0.0f, 0.0f, 5.0f, OrbFont::kAlignLeftBottom, kWhite);
    caveSpinner_ = addSpinner({labelWidth, -1.0f, spinnerWidth, 6.0f},
                              [this](int direction) { stepCave(direction); });
    addText("Level: ", 0.0f, -7.0f, 5.0f, OrbFont::kAlignLeftBottom, kWhite);
    variantSpinner_ = addSpinner({labelWidth, -8.0f, spinnerWidth, 6.0f},
                                 [this](int direction) { stepVariant(direction); });

    bestDiamonds_ = addText("Best \x1e: --", 0.0f, -16.0f, 4.0f, OrbFont::kAlignLeftBottom, kWhite);
    bestTime_ = addText("Best \x1f: --.-", 0.0f, -22.0f, 4.0f, OrbFont::kAlignLeftBottom, kWhite);
    replayDiamonds_ = addButton(
        "\x1b", {38.0f, -16.5f, 6.0f, 5.5f}, [this] { pressReplay(0); }, 4.0f);
    replayTime_ = addButton(
        "\x1b", {38.0f, -22.5f, 6.0f, 5.5f}, [this] { pressReplay(1); }, 4.0f);
    const OrbColor red = GvResources::makeColour(0.8f, 0.0f, 0.0f, 1.0f);
    lockedText_ = addText("Level Locked", 0.0f, -19.0f, 4.0f, OrbFont::kAlignLeftBottom, red);

    preview_ = addImage({50.0f, -28.0f, 64.0f, 32.0f});
    caveName_ =
        addText("", 82.0f, -33.0f, 3.0f, OrbFont::kAlignCentre | OrbFont::kAlignBottom, kWhite);
    start_ = addButton("START", {12.0f, -46.0f, 40.0f, 7.0f}, [this] { onReturn(); });
    addButton("CANCEL", {62.0f, -46.0f, 40.0f, 7.0f}, [this] { view_.backScreen(); });

    addText("Pack:", 0.0f, -55.0f, 5.0f, OrbFont::kAlignLeftBottom, kWhite);
    const float packX = textWidth("Pack: ", 5.0f);
    addButton("\x14", {packX, -56.0f, 7.0f, 7.0f},
              [this] { view_.showScreen(&view_.levelPackBox()); });
    packName_ =
        addText("- Untitled -", packX + 9.0f, -55.0f, 5.0f, OrbFont::kAlignLeftBottom, kWhite);
    finishPanel(caveSpinner_);
}

GvStartBox::~GvStartBox() = default;

bool GvStartBox::hasRecord(const GvLevelPack& pack, const GvStatistics& statistics, int level) {
    return findRecord(pack, statistics, level) != nullptr;
}

std::vector<int> GvStartBox::offeredCaves(const GvLevelPack& pack, const GvStatistics& statistics,
                                          bool unlockAll) {
    std::vector<int> offered;
    const int caves = pack.caveCount();
    for (int cave = 0; cave < caves; ++cave) {
        bool offer = !pack.cave(cave)->bonus || unlockAll;
        if (!offer && cave > 0) {
            offer = true;
            for (int v = 0; v < pack.variantCount(); ++v) {
                if (!hasRecord(pack, statistics, v * caves + cave - 1)) {
                    offer = false;
                    break;
                }
            }
        }
        if (offer) {
            offered.push_back(cave);
        }
    }
    return offered;
}

bool GvStartBox::isLocked(const GvLevelPack& pack, const GvStatistics& statistics, int level,
                          bool unlockAll) {
    const int caves = pack.caveCount();
    if (unlockAll || caves <= 0 || level < 0 || level >= pack.levelCount()) {
        return false;
    }
    const GvCaveVariant* variant = pack.variant(level % caves, level / caves);
    if (variant == nullptr || !variant->locked || hasRecord(pack, statistics, level)) {
        return false;
    }
    for (int lower = level - 1; lower >= 0; --lower) {
        if (!pack.cave(lower % caves)->bonus) {
            return !hasRecord(pack, statistics, lower);
        }
    }
    return true;
}

int GvStartBox::chooseCave(const std::vector<int>& offered, int stored) {
    const auto at = std::lower_bound(offered.begin(), offered.end(), stored);
    if (at != offered.end()) {
        return *at;
    }
    return offered.empty() ? -1 : offered.back();
}

void GvStartBox::setUnlockAll(bool on) {
    if (on != unlockAll_) {
        unlockAll_ = on;
        refresh();
    }
}

void GvStartBox::reset() {
    refresh();
    GvMenuPanel::reset();
}

void GvStartBox::refresh() {
    const GvLevelPack& pack = view_.levelPack();
    const GvStatistics& statistics = view_.statistics();
    const int caves = std::max(1, pack.caveCount());
    const int level = std::max(0, view_.selectedLevel());
    variant_ = std::clamp(level / caves, 0, std::max(0, pack.variantCount() - 1));
    offered_ = offeredCaves(pack, statistics, unlockAll_);
    const int chosen = chooseCave(offered_, level % caves);
    cave_ = chosen >= 0 ? chosen : level % caves;
    const int shown = variant_ * caves + cave_;
    if (shown != view_.selectedLevel()) {
        view_.setSelectedLevel(shown);
    }
    locked_ = isLocked(pack, statistics, shown, unlockAll_);

    const GvCaveDef* cave = pack.cave(cave_);
    item(caveSpinner_).text = cave != nullptr ? cave->code : "";
    item(variantSpinner_).text = std::to_string(variant_ + 1);
    item(caveName_).text = cave != nullptr ? OrbFont::filterText(cave->name, false) : "";
    item(packName_).text =
        pack.name.empty() ? "- Untitled -" : OrbFont::filterText(pack.name, false);

    const GvCaveRecord* record = findRecord(pack, statistics, shown);
    char text[64];
    if (record != nullptr) {
        std::snprintf(text, sizeof text, "Best \x1e: %d", record->bestDiamonds);
        item(bestDiamonds_).text = text;
        const GvCaveVariant* variant = pack.variant(cave_, variant_);
        const float rate = variant != nullptr && variant->tick_rate > 0 ? variant->tick_rate : 1.0f;
        std::snprintf(text, sizeof text, "Best \x1f: %.1f", record->bestTimeLeft / rate);
        item(bestTime_).text = text;
    } else {
        item(bestDiamonds_).text = "Best \x1e: --";
        item(bestTime_).text = "Best \x1f: --.-";
    }
    item(bestDiamonds_).visible = !locked_;
    item(bestTime_).visible = !locked_;
    item(replayDiamonds_).visible = !locked_ && record != nullptr;
    item(replayTime_).visible = !locked_ && record != nullptr;
    item(replayDiamonds_).enabled = record != nullptr && !record->bestDiamondsRecording.empty();
    item(replayTime_).enabled = record != nullptr && !record->bestTimeRecording.empty();
    item(lockedText_).visible = locked_;
    item(start_).enabled = !locked_;
    if (focus_ >= 0 && !focusable(focus_)) {
        setFocus(caveSpinner_);
    }
    previewDirty_ = true;
}

const std::string& GvStartBox::bestDiamondsText() const {
    return item(bestDiamonds_).text;
}
const std::string& GvStartBox::bestTimeText() const {
    return item(bestTime_).text;
}
const std::string& GvStartBox::packText() const {
    return item(packName_).text;
}
bool GvStartBox::startEnabled() const {
    return item(start_).enabled;
}

bool GvStartBox::pressReplay(int which) {
    if (locked_) {
        return false;
    }
    const GvLevelPack& pack = view_.levelPack();
    const int level = view_.selectedLevel();
    const GvCaveRecord* record = findRecord(pack, view_.statistics(), level);
    if (record == nullptr) {
        return false;
    }
    const GvInputRecording& recording =
        which == 0 ? record->bestDiamondsRecording : record->bestTimeRecording;
    if (recording.empty()) {
        return false;
    }
    view_.playRecording(level, recording, this);
    return true;
}

void GvStartBox::select(int cave, int variant) {
    view_.setSelectedLevel(variant * std::max(1, view_.levelPack().caveCount()) + cave);
    refresh();
}

void GvStartBox::stepCave(int direction) {
    const auto at = std::find(offered_.begin(), offered_.end(), cave_);
    if (at == offered_.end()) {
        return;
    }
    const long index = (at - offered_.begin()) + direction;
    if (index >= 0 && index < static_cast<long>(offered_.size())) {
        select(offered_[index], variant_);
    }
}

void GvStartBox::stepVariant(int direction) {
    const int variant = variant_ + direction;
    if (variant >= 0 && variant < view_.levelPack().variantCount()) {
        select(cave_, variant);
    }
}

bool GvStartBox::keyEvent(int key, int state, int modifiers) {
    if (state == OrbKeyPressed && (modifiers & ~(OrbModShift | OrbModCapsLock)) == 0) {
        if (key >= 'a' && key <= 'z') {
            const std::string code(1, static_cast<char>(key - 'a' + 'A'));
            for (const int cave : offered_) {
                if (view_.levelPack().cave(cave)->code == code) {
                    select(cave, variant_);
                    setFocus(caveSpinner_);
                    return true;
                }
            }
        } else if (key >= '1' && key <= '9') {
            const int variant = key - '1';
            if (variant < view_.levelPack().variantCount()) {
                select(cave_, variant);
                setFocus(variantSpinner_);
                return true;
            }
        }
    }
    return GvMenuPanel::keyEvent(key, state, modifiers);
}

void GvStartBox::onReturn() {
    if (!locked_) {
        view_.playSelectedLevel();
    }
}

void GvStartBox::onEscape() {
    view_.backScreen();
}

void GvStartBox::graphicsCreated() {
    previewTarget_ = GvResources::makePreviewTarget();
    previewTarget_->acquire();
    graphics_ = true;
    previewDirty_ = true;
}

void GvStartBox::graphicsReleased() {
    if (previewTarget_) {
        previewTarget_->release();
    }
    previewTarget_.reset();
    graphics_ = false;
}

void GvStartBox::beforeDraw() {
    if (!previewDirty_ || !graphics_ || !previewTarget_) {
        return;
    }
    previewDirty_ = false;
    const GvLevelPack& pack = view_.levelPack();
    const GvCaveDef* cave = pack.cave(cave_);
    if (cave == nullptr) {
        previewDrawn_ = false;
        return;
    }
    if (locked_) {
        view_.resources().drawPlaceholder(*cave, GvResources::makeColour(0.2f, 0.2f, 0.25f),
                                          *previewTarget_);
        previewDrawn_ = true;
    } else {
        previewDrawn_ = view_.resources().drawPreview(pack, cave_, variant_, *previewTarget_);
    }
}

void GvStartBox::drawImage(GvResources& resources, int, const OrbRect& rect, const OrbColor& tint) {
    const OrbColor red = GvResources::makeColour(0.8f, 0.0f, 0.0f, 1.0f);
    const OrbColor tinted{red.r * tint.r, red.g * tint.g, red.b * tint.b, red.a * tint.a};
    const float unit = rect.height / 32.0f;
    if (previewDrawn_ && previewTarget_) {
        previewTarget_->addQuad(rect, tint);
        previewTarget_->flush();
        if (locked_) {
            resources.font().drawText({rect.x + rect.width / 2, rect.y + rect.height / 2}, "?",
                                      20.0f * unit, tinted, 0,
                                      OrbFont::kAlignCentre | OrbFont::kAlignMiddle);
            resources.font().flushGlyphs();
        }
        return;
    }
    GvFont& font = resources.font();
    font.drawText({rect.x + rect.width / 2, rect.y + rect.height / 2 + 0.5f * unit}, "No Preview",
                  4.0f * unit, tinted, OrbFont::kSmallCaps,
                  OrbFont::kAlignCentre | OrbFont::kAlignBottom);
    font.drawText({rect.x + rect.width / 2, rect.y + rect.height / 2 - 0.5f * unit}, "Available",
                  4.0f * unit, tinted, OrbFont::kSmallCaps,
                  OrbFont::kAlignCentre | OrbFont::kAlignTop);
    font.flushGlyphs();
}
