#include "game/panels/GvStartBox.h"

#include "game/GvStatistics.h"
#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvCavePreview.h"
#include "game/panels/GvLevelPackBox.h"
#include "graphics/OrbFont.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbRenderToTexture.h"
#include "levelpack/GvLevelPack.h"
#include "ui/GvCustomSpinner.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvField.h"
#include "ui/GvIntSpinner.h"
#include "ui/GvLabel.h"
#include "ui/GvSmallDialogPushButton.h"
#include "ui/GvSmallField.h"
#include "ui/GvTinyField.h"
#include "ui/GvUiColours.h"
#include "ui/OrbObjectCallback.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char kDiamondGlyph = 30;
constexpr char kClockGlyph = 31;
constexpr char kReplayGlyph = 27;
constexpr char kPackGlyph = 20;
constexpr float kLabelPitch = 7.0f;
constexpr float kReplayGap = 1.5f;

const GvCaveRecord* findRecord(const GvLevelPack& pack, const GvStatistics& statistics, int level) {
    GvStatistics::Key key{};
    pack.levelDigest(level, key.data());
    return statistics.find(key);
}

std::string bestLine(char glyph, const char* value) {
    return std::string("Best ") + glyph + ": " + value;
}

} // namespace

GvStartBox::GvStartBox(GvView& view) : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    const int leftBottom = OrbFont::kAlignLeftBottom;
    const float labelWidth = textWidth("Level: ", GvLabel::kSize);
    const float spinnerWidth = textWidth(" AA ", GvLabel::kSize) + 10.0f;
    const float h = GvLabel::kSize;
    addChild(
        std::make_unique<GvLabel>(this, resources(), "Cave: ", OrbPoint{0.0f, 0.0f}, leftBottom));
    caveSpinner_ = addChild(std::make_unique<GvCustomSpinner>(
        this, resources(), OrbRect{labelWidth, 0.0f, spinnerWidth, h}, h,
        objectCallback(this, &GvStartBox::caveChanged)));
    caveSpinner_->setDefaultFocus(true);
    addChild(std::make_unique<GvLabel>(this, resources(), "Level: ", OrbPoint{0.0f, -kLabelPitch},
                                       leftBottom));
    variantSpinner_ = addChild(std::make_unique<GvIntSpinner>(
        this, resources(), OrbRect{labelWidth, -kLabelPitch, spinnerWidth, h}, h, 0, 0, 0, 1,
        objectCallback(this, &GvStartBox::variantChanged)));

    const float diamondsY = -2.0f * kLabelPitch - 1.0f;
    const float timeY = diamondsY - 6.0f;
    noDiamonds_ = addChild(std::make_unique<GvSmallField>(
        this, resources(), bestLine(kDiamondGlyph, "--"), OrbPoint{0.0f, diamondsY}, leftBottom));
    noTime_ = addChild(std::make_unique<GvSmallField>(
        this, resources(), bestLine(kClockGlyph, "--.-"), OrbPoint{0.0f, timeY}, leftBottom));
    bestDiamonds_ = addChild(
        std::make_unique<GvField>(this, resources(), "", OrbPoint{0.0f, diamondsY}, leftBottom));
    bestTime_ = addChild(
        std::make_unique<GvField>(this, resources(), "", OrbPoint{0.0f, timeY}, leftBottom));
    const int leftMiddle = OrbFont::kAlignLeft | OrbFont::kAlignMiddle;
    replay_[0] = addChild(std::make_unique<GvSmallDialogPushButton>(
        this, resources(), OrbPoint{0.0f, diamondsY + h / 2.0f}, leftMiddle,
        std::string(1, kReplayGlyph), objectCallback(this, &GvStartBox::replayDiamonds)));
    replay_[1] = addChild(std::make_unique<GvSmallDialogPushButton>(
        this, resources(), OrbPoint{0.0f, timeY + h / 2.0f}, leftMiddle,
        std::string(1, kReplayGlyph), objectCallback(this, &GvStartBox::replayTime)));
    lockedText_ = addChild(std::make_unique<GvText>(
        this, resources(), "Level Locked", OrbPoint{0.0f, (diamondsY + timeY) / 2.0f},
        GvText::kDefaultSize, GvUiColours::make(0.8f, 0.0f, 0.0f), leftBottom));

    // The preview sits right of the spinners, twice as wide as it is high.
    const OrbRect picture{labelWidth + spinnerWidth + 3.0f, -26.0f, 60.0f, 30.0f};
    preview_ = addChild(std::make_unique<GvCavePreview>(this, resources(), picture));
    caveName_ = addChild(std::make_unique<GvTinyField>(
        this, resources(), "", OrbPoint{picture.x + picture.width / 2.0f, picture.y - 5.0f},
        OrbFont::kAlignCentre | OrbFont::kAlignBottom));
    const float centre = (picture.x + picture.width) / 2.0f;
    start_ = addChild(std::make_unique<GvDialogPushButton>(
        this, resources(), OrbRect{centre - 45.0f, -46.0f, 40.0f, 7.0f}, "START",
        objectCallback(&view, &GvView::playSelectedLevel)));
    GvPushButton* cancel = addChild(std::make_unique<GvDialogPushButton>(
        this, resources(), OrbRect{centre + 5.0f, -46.0f, 40.0f, 7.0f}, "CANCEL",
        objectCallback(&view, &GvView::backScreen)));

    const float packY = -55.0f;
    addChild(
        std::make_unique<GvLabel>(this, resources(), "Pack:", OrbPoint{0.0f, packY}, leftBottom));
    GvPushButton* pack = addChild(std::make_unique<GvSmallDialogPushButton>(
        this, resources(), OrbPoint{textWidth("Pack: ", h), packY + h / 2.0f}, leftMiddle,
        std::string(1, kPackGlyph), objectCallback(this, &GvStartBox::showPackBox)));
    packName_ = addChild(std::make_unique<GvField>(
        this, resources(), "- Untitled -",
        OrbPoint{pack->bounds().x + pack->bounds().width + 2.0f, packY}, leftBottom));

    // Down the left column, across the button row, then the pack; disabled or
    // hidden controls on the way are stepped over.
    linkVertical(caveSpinner_, variantSpinner_);
    linkVertical(variantSpinner_, replay_[0]);
    linkVertical(replay_[0], replay_[1]);
    linkVertical(replay_[1], start_);
    linkHorizontal(start_, cancel);
    cancel->setNeighbour(kUp, replay_[1]);
    linkNext(cancel, pack);
    start_->setNeighbour(kDown, pack);
    cancel->setNeighbour(kDown, pack);
    pack->setNeighbour(kUp, start_);
    finishPanel("Start");
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
    GvPanel::reset();
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

    std::vector<GvCustomSpinner::Entry> entries;
    for (const int cave : offered_) {
        entries.push_back({OrbFont::filterText(pack.cave(cave)->code, false), cave});
    }
    caveSpinner_->setEntries(std::move(entries));
    caveSpinner_->setValue(std::max(0, caveSpinner_->findData(cave_)));
    variantSpinner_->setRange(0, std::max(0, pack.variantCount() - 1));
    variantSpinner_->setValue(variant_);

    const GvCaveDef* cave = pack.cave(cave_);
    caveName_->setText(cave != nullptr ? OrbFont::filterText(cave->name, false) : "");
    packName_->setText(pack.name.empty() ? "- Untitled -" : OrbFont::filterText(pack.name, false));

    const GvCaveRecord* record = findRecord(pack, statistics, shown);
    noDiamonds_->setEnabled(!locked_ && record == nullptr);
    noTime_->setEnabled(!locked_ && record == nullptr);
    bestDiamonds_->setEnabled(!locked_ && record != nullptr);
    bestTime_->setEnabled(!locked_ && record != nullptr);
    if (record != nullptr) {
        char text[64];
        std::snprintf(text, sizeof text, "%d", record->bestDiamonds);
        bestDiamonds_->setText(bestLine(kDiamondGlyph, text));
        const GvCaveVariant* variant = pack.variant(cave_, variant_);
        const float rate = variant != nullptr && variant->tick_rate > 0 ? variant->tick_rate : 1.0f;
        std::snprintf(text, sizeof text, "%.1f", record->bestTimeLeft / rate);
        bestTime_->setText(bestLine(kClockGlyph, text));
    }
    // Each replay button follows its line's text, and only shows with a run to play.
    const GvField* lines[2] = {bestDiamonds_, bestTime_};
    for (int i = 0; i < 2; ++i) {
        const OrbRect text = lines[i]->bounds();
        const OrbRect button = replay_[i]->bounds();
        replay_[i]->setRect(
            {text.x + text.width + kReplayGap, button.y, button.width, button.height});
        const bool runs =
            record != nullptr &&
            !(i == 0 ? record->bestDiamondsRecording : record->bestTimeRecording).empty();
        replay_[i]->setEnabled(!locked_ && runs);
    }
    lockedText_->setEnabled(locked_);
    start_->setEnabled(!locked_);
    // The focus never stays on a control that has just been hidden or disabled.
    if (OrbControl* focused = findFocused(); focused != nullptr && !focused->isEnabled()) {
        caveSpinner_->setFocused(true);
    }
    previewDirty_ = true;
}

std::string GvStartBox::bestDiamondsText() const {
    return bestDiamonds_->isEnabled() ? bestDiamonds_->text()
           : noDiamonds_->isEnabled() ? noDiamonds_->text()
                                      : std::string();
}

std::string GvStartBox::bestTimeText() const {
    return bestTime_->isEnabled() ? bestTime_->text()
           : noTime_->isEnabled() ? noTime_->text()
                                  : std::string();
}

const std::string& GvStartBox::packText() const {
    return packName_->text();
}

void GvStartBox::replayDiamonds() {
    replay(0);
}

void GvStartBox::replayTime() {
    replay(1);
}

void GvStartBox::replay(int which) {
    if (locked_) {
        return;
    }
    const int level = view_.selectedLevel();
    const GvCaveRecord* record = findRecord(view_.levelPack(), view_.statistics(), level);
    if (record == nullptr) {
        return;
    }
    const GvInputRecording& recording =
        which == 0 ? record->bestDiamondsRecording : record->bestTimeRecording;
    if (!recording.empty()) {
        view_.playRecording(level, recording, this);
    }
}

void GvStartBox::showPackBox() {
    view_.showScreen(&view_.levelPackBox());
}

void GvStartBox::select(int cave, int variant) {
    view_.setSelectedLevel(variant * std::max(1, view_.levelPack().caveCount()) + cave);
    refresh();
}

void GvStartBox::caveChanged() {
    if (const GvCustomSpinner::Entry* entry = caveSpinner_->currentEntry()) {
        select(entry->data, variant_);
    }
}

void GvStartBox::variantChanged() {
    select(cave_, variantSpinner_->value());
}

bool GvStartBox::keyEvent(int key, int action, int modifiers) {
    const bool plain = (modifiers & ~(OrbModShift | OrbModCapsLock)) == 0;
    if (isEnabled() && action == OrbKeyPressed && plain && findCapturing() == nullptr) {
        const GvLevelPack& pack = view_.levelPack();
        if (key >= 'a' && key <= 'z') {
            const std::string code(1, static_cast<char>(key - 'a' + 'A'));
            for (const int cave : offered_) {
                if (pack.cave(cave)->code == code) {
                    select(cave, variant_);
                    caveSpinner_->setFocused(true);
                    return true;
                }
            }
        } else if (key >= '1' && key <= '9') {
            const int variant = key - '1';
            if (variant < pack.variantCount()) {
                select(cave_, variant);
                variantSpinner_->setFocused(true);
                return true;
            }
        }
    }
    return GvPanel::keyEvent(key, action, modifiers);
}

void GvStartBox::onReturn(int key) {
    start_->pressByKey(key);
}

void GvStartBox::onEscape() {
    view_.backScreen();
}

void GvStartBox::graphicsCreated() {
    previewTarget_ = GvResources::makePreviewTarget();
    previewTarget_->acquire();
    previewDirty_ = true;
}

void GvStartBox::graphicsReleased() {
    if (previewTarget_) {
        previewTarget_->release();
    }
    previewTarget_.reset();
    preview_->show(nullptr, locked_);
}

void GvStartBox::prepareDraw() {
    if (!previewDirty_ || !previewTarget_) {
        return;
    }
    previewDirty_ = false;
    const GvLevelPack& pack = view_.levelPack();
    const GvCaveDef* cave = pack.cave(cave_);
    bool drawn = false;
    if (cave != nullptr && locked_) {
        view_.resources().drawPlaceholder(*cave, GvUiColours::make(0.2f, 0.2f, 0.25f),
                                          *previewTarget_);
        drawn = true;
    } else if (cave != nullptr) {
        drawn = view_.resources().drawPreview(pack, cave_, variant_, *previewTarget_);
    }
    preview_->show(drawn ? previewTarget_.get() : nullptr, locked_);
}
