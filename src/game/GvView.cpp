#include "game/GvView.h"

#include "audio/GvSfxModule.h"
#include "audio/OrbAudioDevice.h"
#include "formats/GvCorruptException.h"
#include "formats/GvLevelPackLoader.h"
#include "formats/GvStandardPack.h"
#include "game/GvGameScreen.h"
#include "game/GvStatistics.h"
#include "game/drawing/GvResources.h"
#include "game/panels/GvAboutBox.h"
#include "game/panels/GvBonusFailedMenu.h"
#include "game/panels/GvErrorBox.h"
#include "game/panels/GvGameOverMenu.h"
#include "game/panels/GvHelpBox.h"
#include "game/panels/GvLevelCompleteMenu.h"
#include "game/panels/GvLevelPackBox.h"
#include "game/panels/GvOptionsBox.h"
#include "game/panels/GvPausedMenu.h"
#include "game/panels/GvStartBox.h"
#include "game/panels/GvTitleMenu.h"
#include "graphics/GvFont.h"
#include "graphics/OrbClock.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbViewImpl.h"
#include "levelpack/GvLevelPack.h"
#include "platform/GvPackFolders.h"
#include "platform/GvProductNames.h"
#include "platform/OrbCheatCode.h"
#include "platform/OrbDefaults.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbFolder.h"
#include "platform/OrbPaths.h"
#include "platform/OrbStreamException.h"
#include "platform/OrbToggleCheatCode.h"
#include "ui/GvPanel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kMaxStep = 0.1;
constexpr double kDemoIdleSeconds = 10.0;
constexpr int kCaveSoundCount = 23;
constexpr int kVolumeSample = 23;

// The dimming of a cave behind an overlay panel.
float overlayFade() {
    return std::pow(0.6f, 11.0f / 12.0f);
}

const OrbColor kWhite{1.0f, 1.0f, 1.0f, 1.0f};
const OrbColor kBlack{0.0f, 0.0f, 0.0f, 1.0f};
const OrbColor kClear{1.0f, 1.0f, 1.0f, 0.0f};

} // namespace

GvView::GvView(OrbViewImpl& impl) : OrbView(impl) {
    backdropFrame_ = static_cast<std::uint32_t>(OrbClock::calendarSeconds());
    statistics_ = std::make_unique<GvStatistics>(kGvVendorName, kGvProductName);
    // Made at once so that a player looking for where packs go finds the folder.
    OrbFolder::createPath(GvPackFolders::user());

    for (const char* code :
         {"vextalm", "plumbek", "quorvela", "zanderfoxly", "3dozy3rest", "wispglade"}) {
        cheats_.push_back(std::make_unique<OrbToggleCheatCode>(code));
    }
    cheats_.push_back(std::make_unique<OrbCheatCode>("tarnqel"));
    cheats_.push_back(std::make_unique<OrbToggleCheatCode>("brindlequ"));
    cheats_.push_back(std::make_unique<OrbToggleCheatCode>("glimmerd"));
    settings_ = std::make_unique<OrbDefaults>(kGvVendorName, kGvProductName);

    try {
        standardPack_ = loadStandardPack();
    } catch (const OrbStreamException&) {
        throw GvCorruptException();
    }
    if (!standardPack_) {
        throw GvCorruptException();
    }

    auto module = std::make_unique<GvSfxModule>(OrbAudioDevice::clockSeed());
    sfx_ = module.get();
    volume_ = std::clamp(settings_->readFloat("Volume", 0.5f), 0.0f, 1.0f);
    sfx_->setMasterGain(std::pow(volume_, 1.5));
    audioOutput_ = std::make_unique<OrbAudioDevice>(GvSfxModule::kSampleRate, std::move(module), 0);
    audioOutput_->setGain(1.0f);
    audioOutput_->open();

    impl.setMinimumClientSize(160, 100);
    resources_ = std::make_unique<GvResources>();

    titleMenu_ = std::make_unique<GvTitleMenu>(*this);
    startBox_ = std::make_unique<GvStartBox>(*this);
    levelPackBox_ = std::make_unique<GvLevelPackBox>(*this);
    optionsBox_ = std::make_unique<GvOptionsBox>(*this);
    helpBox_ = std::make_unique<GvHelpBox>(*this);
    aboutBox_ = std::make_unique<GvAboutBox>(*this);
    pausedMenuWithRetry_ = std::make_unique<GvPausedMenu>(*this, true);
    pausedMenuNoRetry_ = std::make_unique<GvPausedMenu>(*this, false);
    levelCompleteMenu_ = std::make_unique<GvLevelCompleteMenu>(*this, false);
    levelCompleteRecordMenu_ = std::make_unique<GvLevelCompleteMenu>(*this, true);
    bonusFailedMenu_ = std::make_unique<GvBonusFailedMenu>(*this);
    gameOverMenu_ = std::make_unique<GvGameOverMenu>(*this);

    // The looks of a cave (boulder turns, blinking) differ from run to run.
    screen_ = std::make_unique<GvGameScreen>(
        this, static_cast<std::uint32_t>(OrbClock::calendarSeconds()));
    screen_->setSoundModule(sfx_);
    screen_->setResources(resources_.get());
    screen_->setClock([] { return OrbClock::now(); });

    const std::string name = settings_->readString("LevelPackFileName", "");
    bool loaded = false;
    if (!name.empty()) {
        std::string message;
        loaded = loadLevelPack(name, message);
    }
    if (!loaded) {
        useStandardPack();
    }
    // A stored pack that is gone takes its level number with it.
    if (loaded || name.empty()) {
        const int last = std::max(0, levelPack().levelCount() - 1);
        setSelectedLevel(std::clamp(settings_->readInt("SelectedLevel", 0), 0, last));
    }
    if (audioOutput_->isOpen()) {
        audioOutput_->waitUntilStarted();
    }
    returnToMenu();
}

GvView::~GvView() {
    // The screen borrows the sound module that the audio output owns.
    screen_.reset();
    audioOutput_.reset();
}

GvLevelPack& GvView::levelPack() {
    return loadedPack_ ? *loadedPack_ : *standardPack_;
}

const GvLevelPack& GvView::levelPack() const {
    return loadedPack_ ? *loadedPack_ : *standardPack_;
}

int GvView::selectedLevel() const {
    return selectedLevel_;
}

void GvView::setSelectedLevel(int level) {
    selectedLevel_ = level;
    screen_->setSelectedLevel(level);
}

bool GvView::cheatOn(Cheat cheat) const {
    const auto* toggle = dynamic_cast<const OrbToggleCheatCode*>(cheats_[cheat].get());
    return toggle != nullptr && toggle->isOn();
}

GvPausedMenu& GvView::pausedMenu(bool withRetry) {
    return withRetry ? *pausedMenuWithRetry_ : *pausedMenuNoRetry_;
}

GvLevelCompleteMenu& GvView::levelCompleteMenu(bool newRecord) {
    return newRecord ? *levelCompleteRecordMenu_ : *levelCompleteMenu_;
}

std::vector<GvPanel*> GvView::allPanels() {
    std::vector<GvPanel*> panels = {titleMenu_.get(),
                                    startBox_.get(),
                                    levelPackBox_.get(),
                                    optionsBox_.get(),
                                    helpBox_.get(),
                                    aboutBox_.get(),
                                    pausedMenuWithRetry_.get(),
                                    pausedMenuNoRetry_.get(),
                                    levelCompleteMenu_.get(),
                                    levelCompleteRecordMenu_.get(),
                                    bonusFailedMenu_.get(),
                                    gameOverMenu_.get()};
    if (errorBox_) {
        panels.push_back(errorBox_.get());
    }
    return panels;
}

// --- Window events -------------------------------------------------------------

void GvView::graphicsCreated(int width, int height) {
    resources_->setUpGraphics(width, height);
    for (GvPanel* panel : allPanels()) {
        panel->graphicsCreated();
    }
    const OrbProjection& game = resources_->projection(screen_->gameProjection());
    screen_->updateViewSize(game.canvas().width, game.canvas().height);
}

void GvView::graphicsReleased() {
    for (GvPanel* panel : allPanels()) {
        panel->graphicsReleased();
    }
    resources_->releaseGraphics();
}

void GvView::resized(int width, int height) {
    resources_->resize(width, height);
    const OrbProjection& game = resources_->projection(screen_->gameProjection());
    screen_->updateViewSize(game.canvas().width, game.canvas().height);
}

void GvView::focusChanged(bool focused) {
    for (auto& cheat : cheats_) {
        cheat->forget();
    }
    // A press or drag in progress cannot end while the window is away.
    if (!focused && modalPanel_ != nullptr) {
        modalPanel_->clearHighlight();
    }
    if (mode_ == GvViewMode::InGame) {
        screen_->releaseInput();
    }
}

void GvView::cheatToggled(int index) {
    GvWorld& world = screen_->world();
    switch (index) {
    case CheatTimeStop:
        world.time_limit_on = !cheatOn(CheatTimeStop);
        break;
    case CheatUnlockAll:
        startBox_->setUnlockAll(cheatOn(CheatUnlockAll));
        break;
    case CheatSelfDestruct:
        if (!world.replaying) {
            world.player_must_die = true;
        }
        break;
    case CheatHideOverlay:
        screen_->setOverlayHidden(cheatOn(CheatHideOverlay));
        break;
    default:
        break;
    }
}

bool GvView::keyEvent(int key, int state, int modifiers) {
    idleSeconds_ = 0.0;
    if (state == OrbKeyPressed) {
        for (int i = 0; i < CheatCount; ++i) {
            if (cheats_[i]->keyPressed(static_cast<std::uint32_t>(key))) {
                cheatToggled(i);
            }
        }
    }
    if (key == OrbKeyReturn && state == OrbKeyPressed &&
        (modifiers & ~OrbModCapsLock) == OrbModAlt && impl().supportsFullScreen()) {
        toggleFullScreen();
        return true;
    }
    bool handled = false;
    if (modalPanel_ != nullptr) {
        handled = modalPanel_->keyEvent(key, state, modifiers);
    } else if (mode_ == GvViewMode::InGame) {
        handled = screen_->keyEvent(key, state, modifiers);
    }
    if (!handled && state != OrbKeyReleased) {
        if (key == OrbKeyLeftBracket) {
            volumeDown();
            handled = true;
        } else if (key == OrbKeyRightBracket) {
            volumeUp();
            handled = true;
        }
    }
    return handled;
}

bool GvView::mouseButton(int button, int action, int x, int y, int modifiers) {
    idleSeconds_ = 0.0;
    if (modalPanel_ != nullptr) {
        const OrbPoint p = resources_->projection(0).toCanvas(x, y, clientHeight());
        return modalPanel_->mouseButton(button, action == OrbMousePress, p, modifiers);
    }
    if (mode_ == GvViewMode::InGame && button == OrbMouseLeft && action == OrbMousePress) {
        if (playMode_ == GvPlayMode::Demo) {
            returnToMenu();
        } else {
            pauseGame();
        }
        return true;
    }
    return false;
}

bool GvView::mouseMove(int x, int y, int modifiers) {
    if (modalPanel_ == nullptr) {
        return false;
    }
    const OrbPoint p = resources_->projection(0).toCanvas(x, y, clientHeight());
    return modalPanel_->mouseMove(p, modifiers);
}

bool GvView::mouseWheel(int steps, int x, int y, int) {
    if (modalPanel_ == nullptr) {
        return false;
    }
    const OrbPoint p = resources_->projection(0).toCanvas(x, y, clientHeight());
    return modalPanel_->mouseWheel(steps, p);
}

void GvView::saveState() {
    saveSettings();
}

bool GvView::initialPlacement(int& mode, OrbWindowRect& rectangle) {
    const OrbDefaults::Rect stored = settings_->readRect("WindowRectangle", {});
    rectangle = {stored.left, stored.top, stored.width, stored.height};
    const bool fullScreen = placementOverride_ >= 0
                                ? placementOverride_ == OrbWindowFullScreen
                                : settings_->readBool("WindowFullScreen", false);
    if (fullScreen) {
        mode = OrbWindowFullScreen;
    } else if (settings_->readBool("WindowMaximized", true)) {
        mode = OrbWindowMaximized;
    } else {
        mode = OrbWindowNormal;
    }
    return mode != OrbWindowNormal || (stored.width > 0 && stored.height > 0);
}

bool GvView::actionButtonIsModifier() const {
    // Snap while a cave is played or about to be; Return everywhere else.
    return mode_ == GvViewMode::InGame || enteringPlay();
}

void GvView::overridePlacement(bool fullScreen) {
    placementOverride_ = fullScreen ? OrbWindowFullScreen : OrbWindowNormal;
}

void GvView::saveSettings() {
    // All values go into the file together: a crash between two of them must not
    // leave a mixture of old and new placement, pack and level.
    settings_->beginBatch();
    // A placement asked for on the command line is for that run only.
    if (placementOverride_ < 0 && impl().windowRectangle().width > 0) {
        const bool full = impl().isFullScreen();
        settings_->writeBool("WindowFullScreen", full);
        settings_->writeBool("WindowMaximized", impl().isMaximized() && !full);
        const OrbWindowRect r = impl().windowRectangle();
        settings_->writeRect("WindowRectangle", {r.left, r.top, r.width, r.height});
    }
    settings_->writeFloat("Volume", volume_);
    settings_->writeString("LevelPackFileName", packFileName_);
    settings_->writeInt("SelectedLevel", selectedLevel_);
    settings_->commitBatch();
}

bool GvView::isFullScreen() const {
    return impl().isFullScreen();
}

void GvView::toggleFullScreen() {
    impl().setFullScreen(!impl().isFullScreen());
    // The player's own choice is kept from now on.
    placementOverride_ = -1;
    saveSettings();
}

void GvView::setVolume(float volume) {
    volume_ = std::clamp(volume, 0.0f, 1.0f);
    sfx_->setMasterGain(std::pow(volume_, 1.5));
    sfx_->play(kVolumeSample);
}

void GvView::quit() {
    impl().close();
}

// --- Packs ---------------------------------------------------------------------

void GvView::useStandardPack() {
    loadedPack_.reset();
    packFileName_.clear();
    demoCursor_ = -1;
    screen_->setLevelPack(standardPack_.get());
    setSelectedLevel(0);
    statistics_->load("Standard");
}

bool GvView::choosePackFile(const std::string& path) {
    std::string message;
    if (loadLevelPack(path, message)) {
        return true;
    }
    showError(message);
    return false;
}

bool GvView::loadLevelPack(const std::string& path, std::string& message) {
    message.clear();
    const std::string file = fileNamePart(path);
    std::unique_ptr<OrbFileStream> stream = OrbFileStream::open(path, false);
    if (!stream) {
        message = "Unable to open '" + file + "'.";
        return false;
    }
    std::vector<std::string> messages;
    std::unique_ptr<GvLevelPack> pack;
    try {
        pack = ::loadLevelPack(*stream, &messages, false);
    } catch (const OrbStreamException&) {
        message = "Error reading from '" + file + "'.";
        return false;
    }
    if (!pack) {
        message = "Unable to load '" + file + "':\n";
        for (const std::string& line : messages) {
            message += "\n" + line;
        }
        return false;
    }
    // A pack without a single level could never be started.
    if (pack->levelCount() <= 0) {
        message = "Unable to load '" + file + "':\n\nThe level pack holds no caves.";
        return false;
    }
    loadedPack_ = std::move(pack);
    packFileName_ = path;
    demoCursor_ = -1;
    screen_->setLevelPack(loadedPack_.get());
    setSelectedLevel(0);
    statistics_->load(path);
    return true;
}

// --- Screen flow ---------------------------------------------------------------

void GvView::beginTransition(GvViewMode mode, GvTransitionTarget target, GvPanel* outgoing,
                             GvPanel* incoming, const GvTransitionLook& look) {
    transition_.begin(target, outgoing, incoming, look);
    mode_ = mode;
    modalPanel_ = nullptr;
}

bool GvView::enteringPlay() const {
    return mode_ == GvViewMode::GameTransition && transition_.target() == GvTransitionTarget::Play;
}

void GvView::stopCaveSounds() {
    for (int i = 0; i < kCaveSoundCount; ++i) {
        sfx_->stop(i);
    }
}

void GvView::showScreen(GvPanel* panel) {
    releaseAllKeys();
    setCursorMode(OrbCursorAlwaysVisible);
    if (modalPanel_ != nullptr) {
        panelStack_.push_back(modalPanel_);
    }
    panel->reset();
    beginTransition(GvViewMode::MenuTransition, GvTransitionTarget::Menu, modalPanel_, panel,
                    {.outgoing = {0, -1}, .incoming = {1, 0}});
}

void GvView::backScreen() {
    releaseAllKeys();
    setCursorMode(OrbCursorAlwaysVisible);
    GvPanel* back = panelStack_.empty() ? titleMenu_.get() : panelStack_.back();
    // The panel beneath an error message keeps what the player had chosen.
    if (modalPanel_ == nullptr || modalPanel_ != errorBox_.get()) {
        back->reset();
    }
    if (!panelStack_.empty()) {
        panelStack_.pop_back();
    }
    beginTransition(GvViewMode::MenuTransition, GvTransitionTarget::Menu, modalPanel_, back,
                    {.outgoing = {0, 1}, .incoming = {-1, 0}});
}

void GvView::returnToMenu() {
    switch (mode_) {
    case GvViewMode::MenuTransition:
        releaseAllKeys();
        setCursorMode(OrbCursorAlwaysVisible);
        idleSeconds_ = 0.0;
        modalPanel_ = transition_.incoming();
        transition_.setPanels(nullptr, transition_.incoming());
        mode_ = GvViewMode::InMenu;
        break;
    case GvViewMode::InGame:
    case GvViewMode::OverlayOnGame: {
        const bool overlay = mode_ == GvViewMode::OverlayOnGame;
        beginTransition(
            GvViewMode::GameTransition, GvTransitionTarget::Menu, modalPanel_, nullptr,
            {.zoom = {1, 2}, .fade = {overlay ? overlayFade() : 1.0f, 0}, .tintTo = kClear});
        break;
    }
    case GvViewMode::GameTransition:
    case GvViewMode::Starting: {
        stopCaveSounds();
        GvPanel* incoming = returnPanel_;
        if (returnPanel_ != nullptr) {
            if (returnRefresh_) {
                returnPanel_->reset();
            }
        } else {
            incoming = titleMenu_.get();
            titleMenu_->reset();
            panelStack_.clear();
        }
        playMode_ = GvPlayMode::Normal;
        beginTransition(GvViewMode::MenuTransition, GvTransitionTarget::Menu, nullptr, incoming,
                        {.fade = {0, 1}, .tintFrom = kBlack});
        break;
    }
    case GvViewMode::InMenu:
        break;
    }
}

void GvView::startGame() {
    switch (mode_) {
    case GvViewMode::InMenu:
        beginTransition(GvViewMode::MenuTransition, GvTransitionTarget::Play, modalPanel_, nullptr,
                        {.fade = {1, 0}, .tintTo = kBlack});
        break;
    case GvViewMode::MenuTransition:
    case GvViewMode::GameTransition:
        if (enteringPlay()) {
            pauseRequested_ = false;
            modalPanel_ = nullptr;
            transition_.setPanels(nullptr, nullptr);
            mode_ = GvViewMode::InGame;
            if (endPending_) {
                endPending_ = false;
                caveEnded(pendingEnd_);
            }
            break;
        }
        if (mode_ == GvViewMode::MenuTransition &&
            transition_.target() != GvTransitionTarget::Play) {
            break;
        }
        stopCaveSounds();
        setCursorMode(OrbCursorHiddenByTypingAndIdle);
        hideCursorNow();
        pauseRequested_ = false;
        endPending_ = false;
        {
            const bool started =
                playMode_ == GvPlayMode::Normal
                    ? screen_->startLevel()
                    : screen_->startPlayback(playMode_, playLevelIndex_, playRecording_);
            if (!started) {
                // Nothing to play: back to where the player came from.
                mode_ = GvViewMode::GameTransition;
                returnToMenu();
                return;
            }
        }
        // A fresh world counts its time again; the time-stop cheat stays in force.
        if (cheatOn(CheatTimeStop)) {
            screen_->world().time_limit_on = false;
        }
        if (hasGraphics()) {
            const OrbProjection& game = resources_->projection(screen_->gameProjection());
            screen_->updateViewSize(game.canvas().width, game.canvas().height);
        }
        beginTransition(GvViewMode::GameTransition, GvTransitionTarget::Play, nullptr, nullptr,
                        {.zoom = {2, 1}, .fade = {0, 1}, .tintFrom = kClear});
        break;
    case GvViewMode::OverlayOnGame:
        beginTransition(GvViewMode::GameTransition, GvTransitionTarget::LeaveOverlay, modalPanel_,
                        nullptr, {.zoom = {1, 2}, .fade = {overlayFade(), 0}, .tintTo = kClear});
        break;
    case GvViewMode::InGame:
    case GvViewMode::Starting:
        break;
    }
}

void GvView::clearWorldInput() {
    screen_->releaseInput();
}

void GvView::showOverlay(GvPanel* panel) {
    if (mode_ == GvViewMode::InGame) {
        if (screen_->world().state != GvWorldState::PlayerGone) {
            stopCaveSounds();
        }
        clearWorldInput();
        panel->reset();
        beginTransition(GvViewMode::GameTransition, GvTransitionTarget::Overlay, nullptr, panel,
                        {.zoom = {2, 1}, .fade = {1, overlayFade()}, .tintFrom = kClear});
    } else if (mode_ == GvViewMode::GameTransition &&
               transition_.target() == GvTransitionTarget::Overlay) {
        releaseAllKeys();
        setCursorMode(OrbCursorAlwaysVisible);
        modalPanel_ = panel;
        mode_ = GvViewMode::OverlayOnGame;
    }
}

void GvView::pauseGame() {
    if (mode_ != GvViewMode::InGame) {
        return;
    }
    pauseRequested_ = true;
    const bool retry = playMode_ == GvPlayMode::Normal && !screen_->world().bonus;
    showOverlay(retry ? pausedMenuWithRetry_.get() : pausedMenuNoRetry_.get());
}

void GvView::resumeGame() {
    if (mode_ != GvViewMode::OverlayOnGame) {
        return;
    }
    setCursorMode(OrbCursorHiddenByTypingAndIdle);
    hideCursorNow();
    beginTransition(GvViewMode::GameTransition, GvTransitionTarget::Play, modalPanel_, nullptr,
                    {.zoom = {1, 2}, .fade = {overlayFade(), 1}, .tintTo = kClear});
}

void GvView::demoInterrupted() {
    if (mode_ == GvViewMode::InGame) {
        returnToMenu();
    }
}

void GvView::showError(const std::string& message) {
    // The old box may still be drawn as the outgoing panel of a transition.
    transition_.forget(errorBox_.get());
    std::unique_ptr<GvErrorBox> box = std::make_unique<GvErrorBox>(*this, message);
    if (hasGraphics()) {
        box->graphicsCreated();
    }
    if (modalPanel_ == errorBox_.get() && errorBox_) {
        // An error over an error replaces it in place.
        modalPanel_ = nullptr;
    }
    errorBox_ = std::move(box);
    showScreen(errorBox_.get());
}

void GvView::playSelectedLevel() {
    playMode_ = GvPlayMode::Normal;
    returnPanel_ = nullptr;
    startGame();
}

void GvView::playRecording(int level, const GvInputRecording& recording, GvPanel* returnTo) {
    if (recording.empty()) {
        return;
    }
    playMode_ = GvPlayMode::BestReplay;
    playLevelIndex_ = level;
    playRecording_ = recording;
    returnPanel_ = returnTo;
    returnRefresh_ = true;
    startGame();
}

void GvView::advanceLevel() {
    const GvLevelPack& pack = levelPack();
    int level = selectedLevel_ + 1;
    if (level >= pack.levelCount()) {
        level = std::max(0, (pack.variantCount() - 1) * pack.caveCount());
    }
    setSelectedLevel(level);
}

void GvView::continueToNextLevel() {
    advanceLevel();
    playSelectedLevel();
}

void GvView::caveEnded(GvWorldState state) {
    if (mode_ != GvViewMode::InGame) {
        // Still zooming in: the panel waits until the cave is fully shown.
        if (enteringPlay()) {
            endPending_ = true;
            pendingEnd_ = state;
        }
        return;
    }
    const GvWorld& world = screen_->world();
    const bool disqualified =
        screen_->cheated() || cheatOn(CheatTimeStop) || cheatOn(CheatSlowMotion);
    if (playMode_ == GvPlayMode::Normal) {
        if (state == GvWorldState::Completed) {
            const bool best = !disqualified && screen_->recordRun(*statistics_);
            showOverlay(best ? levelCompleteRecordMenu_.get() : levelCompleteMenu_.get());
        } else {
            showOverlay(world.bonus ? static_cast<GvPanel*>(bonusFailedMenu_.get())
                                    : static_cast<GvPanel*>(gameOverMenu_.get()));
        }
        return;
    }
    if (playMode_ == GvPlayMode::Demo && state == GvWorldState::Completed &&
        cheatOn(CheatDemoRecords) && !disqualified) {
        GvStatistics::Key key{};
        levelPack().levelDigest(screen_->currentLevel(), key.data());
        const GvCaveRecord* record = statistics_->find(key);
        if (record == nullptr || record->bestDiamonds < world.diamonds_collected ||
            record->bestTimeLeft < world.remainingTicks()) {
            screen_->recordRun(*statistics_);
        }
    }
    returnToMenu();
}

void GvView::cycleDemo() {
    const std::vector<int> levels = levelPack().demoLevels();
    if (levels.empty()) {
        return;
    }
    const int count = static_cast<int>(levels.size());
    demoCursor_ = demoCursor_ + 1;
    if (demoCursor_ >= count || demoCursor_ < 0) {
        demoCursor_ = demoCursor_ < 0 ? 0 : demoCursor_ % count;
    }
    const int level = levels[demoCursor_];
    GvInputRecording recording;
    for (const GvDemoStep& step : levelPack().demo(level)) {
        if (step.count <= 0) {
            continue;
        }
        if (!recording.empty() && recording.back().moves == step.moves) {
            recording.back().count += step.count;
        } else {
            recording.push_back({step.moves, step.count});
        }
    }
    idleSeconds_ = 0.0;
    if (recording.empty()) {
        return;
    }
    playMode_ = GvPlayMode::Demo;
    playLevelIndex_ = level;
    playRecording_ = std::move(recording);
    returnPanel_ = titleMenu_.get();
    returnRefresh_ = false;
    startGame();
}

void GvView::advance(double seconds) {
    double dt = std::clamp(seconds, 0.0, kMaxStep);
    if (cheatOn(CheatFastMotion)) {
        dt *= 50.0;
    }
    idleSeconds_ += dt;
    const double e = cheatOn(CheatSlowMotion) ? dt * 0.25 : dt;

    backdropPhase_ += static_cast<float>(e * 0.7);
    while (backdropPhase_ >= 1.0f) {
        backdropPhase_ -= 1.0f;
        ++backdropFrame_;
    }

    if (mode_ == GvViewMode::MenuTransition || mode_ == GvViewMode::GameTransition) {
        if (transition_.advance(e)) {
            switch (transition_.target()) {
            case GvTransitionTarget::Menu:
                returnToMenu();
                break;
            case GvTransitionTarget::Overlay:
                if (mode_ == GvViewMode::GameTransition) {
                    showOverlay(transition_.incoming());
                } else {
                    startGame();
                }
                break;
            case GvTransitionTarget::Play:
            case GvTransitionTarget::LeaveOverlay:
                startGame();
                break;
            }
        }
    }

    if (modalPanel_ != nullptr) {
        modalPanel_->tick(e);
    }

    if ((mode_ == GvViewMode::InGame || mode_ == GvViewMode::OverlayOnGame ||
         mode_ == GvViewMode::GameTransition) &&
        !pauseRequested_) {
        const GvWorldState state = screen_->world().state;
        if (state != GvWorldState::Completed && state != GvWorldState::Ended) {
            if (cheatOn(CheatTimeStop) || cheatOn(CheatSlowMotion)) {
                screen_->setCheated();
            }
            screen_->advance(e);
        }
    }

    if (mode_ == GvViewMode::InMenu && modalPanel_ == titleMenu_.get() &&
        idleSeconds_ >= kDemoIdleSeconds) {
        cycleDemo();
    }
}

// --- Drawing -------------------------------------------------------------------

float GvView::slideDistance() const {
    const OrbRect canvas = resources_->projection(0).canvas();
    float distance = canvas.width;
    if (const GvPanel* outgoing = transition_.outgoing(); outgoing != nullptr) {
        const OrbRect b = outgoing->bounds();
        distance = std::max(distance, b.x + b.width - canvas.x);
    }
    if (const GvPanel* incoming = transition_.incoming(); incoming != nullptr) {
        const OrbRect b = incoming->bounds();
        distance = std::max(distance, canvas.x + canvas.width - b.x);
    }
    return distance;
}

void GvView::drawPanel(GvPanel* panel, float scale, float offset, const OrbColor& tint) {
    if (panel == nullptr) {
        return;
    }
    panel->prepareDraw();
    resources_->useProjection(0);
    OrbGlState::setModelTransform(offset, 0.0f, scale);
    panel->draw(OrbControl::tinted(panel->tint(), tint));
    OrbGlState::setModelScale(1.0f, 1.0f);
}

void GvView::draw() {
    if (!hasGraphics()) {
        return;
    }
    const bool transition =
        mode_ == GvViewMode::MenuTransition || mode_ == GvViewMode::GameTransition;
    float fade = mode_ == GvViewMode::OverlayOnGame ? overlayFade() : 1.0f;
    if (transition) {
        fade = transition_.fade();
    }

    const bool menus = mode_ == GvViewMode::InMenu || mode_ == GvViewMode::MenuTransition ||
                       mode_ == GvViewMode::Starting;
    if (menus) {
        OrbGlState::clear(kBlack);
        resources_->useProjection(0);
        resources_->drawBackdrop(static_cast<int>(backdropFrame_), backdropPhase_,
                                 std::pow(0.75f, 11.0f / 12.0f) * fade);
    } else {
        screen_->draw(fade);
    }

    resources_->useProjection(0);
    if (transition) {
        const float distance = slideDistance();
        const float scale = transition_.scale();
        const OrbColor tint = transition_.tint();
        drawPanel(transition_.outgoing(), scale, transition_.outgoingOffset() * distance, tint);
        drawPanel(transition_.incoming(), scale, transition_.incomingOffset() * distance, tint);
    } else {
        drawPanel(modalPanel_, 1.0f, 0.0f, kWhite);
    }
    drawCheatLine();
}

void GvView::drawCheatLine() {
    if (cheatOn(CheatHideOverlay)) {
        return;
    }
    std::string line;
    if (cheatOn(CheatTimeStop)) {
        line += " \x1f";
    }
    if (cheatOn(CheatSlowMotion)) {
        line += " S";
    }
    if (cheatOn(CheatFastMotion)) {
        line += " F";
    }
    if (cheatOn(CheatUnlockAll)) {
        line += " *";
    }
    if (cheatOn(CheatDemoRecords)) {
        line += " $";
    }
    if (cheatOn(CheatMarker)) {
        line += " M";
    }
    if (cheatOn(CheatFrameRate)) {
        char rate[32];
        std::snprintf(rate, sizeof rate, " %5.1f", std::clamp(frameRate(), 0.0, 999.9));
        line += rate;
    }
    if (line.empty()) {
        return;
    }
    line += " ";
    GvFont& font = resources_->font();
    const OrbRect canvas = resources_->projection(0).canvas();
    const float width = font.textWidth(line, 5.0f, OrbFont::kSmallCaps, 1.0f, false);
    resources_->solid().addQuad({canvas.x, canvas.y, width, 7.0f}, {0.4f, 0.4f, 0.4f, 0.8f});
    resources_->solid().flush();
    font.drawText({canvas.x, canvas.y + 1.0f}, line, 5.0f, {1.0f, 0.0f, 0.0f, 1.0f},
                  OrbFont::kSmallCaps, OrbFont::kAlignLeftBottom);
    font.flushGlyphs();
}
