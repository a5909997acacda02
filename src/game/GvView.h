#pragma once
#include "game/GvGameScreenListener.h"
#include "game/GvPlayMode.h"
#include "game/GvScreenTransition.h"
#include "graphics/OrbColor.h"
#include "graphics/OrbView.h"
#include "platform/GvInputRecording.h"
#include "sim/GvWorldState.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GvGameScreen;
class GvLevelPack;
class GvPanel;
class GvResources;
class GvSfxModule;
class GvStatistics;
class GvTitleMenu;
class GvStartBox;
class GvLevelPackBox;
class GvOptionsBox;
class GvHelpBox;
class GvAboutBox;
class GvErrorBox;
class GvPausedMenu;
class GvLevelCompleteMenu;
class GvBonusFailedMenu;
class GvGameOverMenu;
class OrbAudioDevice;
class OrbCheatCode;
class OrbDefaults;

// Screen-flow states of the controller.
enum class GvViewMode : int {
    InMenu = 0,
    MenuTransition = 1,
    InGame = 2,
    OverlayOnGame = 3,
    GameTransition = 4,
    Starting = 5
};

// The game's one controller. It owns everything the game has while it runs (packs,
// statistics, settings, sound, pictures, panels, the in-game screen, cheat codes),
// decides which screen shows, animates the changes between screens, starts caves,
// reacts to their end and loads level packs. The window layer feeds it events, time
// and repaints through the OrbView operations.
class GvView : public OrbView, public GvGameScreenListener {
public:
    // Cheat codes in matching order.
    enum Cheat {
        CheatTimeStop = 0,
        CheatSlowMotion,
        CheatFastMotion,
        CheatUnlockAll,
        CheatDemoRecords,
        CheatFrameRate,
        CheatSelfDestruct,
        CheatMarker,
        CheatHideOverlay,
        CheatCount
    };

    // Throws GvCorruptException when the built-in pack is damaged and
    // OrbCorruptDataTextureException when a built-in picture is.
    explicit GvView(OrbViewImpl& impl);
    ~GvView() override;

    void graphicsCreated(int width, int height) override;
    void graphicsReleased() override;
    void resized(int width, int height) override;
    void draw() override;
    void focusChanged(bool focused) override;
    bool keyEvent(int key, int state, int modifiers) override;
    bool mouseButton(int button, int action, int x, int y, int modifiers) override;
    bool mouseMove(int x, int y, int modifiers) override;
    bool mouseWheel(int steps, int x, int y, int modifiers) override;
    void advance(double seconds) override;
    void saveState() override;
    bool initialPlacement(int& mode, OrbWindowRect& rectangle) override;
    bool actionButtonIsModifier() const override;

    // Screen flow, for the panels and the in-game screen.
    void showScreen(GvPanel* panel);
    void backScreen();
    void returnToMenu();
    void startGame();
    void showOverlay(GvPanel* panel);
    void pauseGame();
    void resumeGame();
    void showError(const std::string& message);
    // Plays the selected level normally (start box "START", "TRY AGAIN").
    void playSelectedLevel();
    // Plays a stored run back, then returns to `returnTo` (reset first).
    void playRecording(int level, const GvInputRecording& recording, GvPanel* returnTo);
    // "CONTINUE": the next level in order, then plays it.
    void continueToNextLevel();
    void advanceLevel();
    // "QUIT": saves the settings and closes the window.
    void quit();

    // Level packs. The message is empty on success.
    bool loadLevelPack(const std::string& path, std::string& message);
    void useStandardPack();
    // Chooses a pack file as the pack box does: loaded and selected, or the error box
    // tells why not (the pack in use stays).
    bool choosePackFile(const std::string& path);
    GvLevelPack& levelPack();
    const GvLevelPack& levelPack() const;
    const GvLevelPack& standardPack() const { return *standardPack_; }
    const std::string& packFileName() const { return packFileName_; }
    bool hasLoadedPack() const { return loadedPack_ != nullptr; }

    int selectedLevel() const;
    void setSelectedLevel(int level);

    // Volume 0..1; changes are heard as a sample at the new level.
    float volume() const { return volume_; }
    void setVolume(float volume);
    void volumeDown() { setVolume(volume_ - 0.0625f); }
    void volumeUp() { setVolume(volume_ + 0.0625f); }

    bool isFullScreen() const;
    // Opens the window in full screen (or in a window) for this run, whatever the
    // stored placement says; the stored placement is kept unless the player changes
    // full screen during the run.
    void overridePlacement(bool fullScreen);
    void toggleFullScreen();
    void saveSettings();

    // What the in-game screen reports.
    void caveEnded(GvWorldState state) override;
    void pauseRequested() override { pauseGame(); }
    void demoInterrupted() override;

    bool cheatOn(Cheat cheat) const;

    GvViewMode mode() const { return mode_; }
    const GvScreenTransition& transition() const { return transition_; }
    float transitionProgress() const { return transition_.progress(); }
    GvPanel* modalPanel() const { return modalPanel_; }
    GvPanel* incomingPanel() const { return transition_.incoming(); }
    GvPlayMode playMode() const { return playMode_; }
    bool isPauseRequested() const { return pauseRequested_; }
    double idleSeconds() const { return idleSeconds_; }
    int demoCursor() const { return demoCursor_; }
    std::size_t panelStackDepth() const { return panelStack_.size(); }

    GvResources& resources() { return *resources_; }
    GvSfxModule& sfx() { return *sfx_; }
    GvStatistics& statistics() { return *statistics_; }
    GvGameScreen& screen() { return *screen_; }
    OrbDefaults& settings() { return *settings_; }

    GvTitleMenu& titleMenu() { return *titleMenu_; }
    GvStartBox& startBox() { return *startBox_; }
    GvLevelPackBox& levelPackBox() { return *levelPackBox_; }
    GvOptionsBox& optionsBox() { return *optionsBox_; }
    GvHelpBox& helpBox() { return *helpBox_; }
    GvAboutBox& aboutBox() { return *aboutBox_; }
    GvErrorBox* errorBox() { return errorBox_.get(); }
    GvPausedMenu& pausedMenu(bool withRetry);
    GvLevelCompleteMenu& levelCompleteMenu(bool newRecord);
    GvBonusFailedMenu& bonusFailedMenu() { return *bonusFailedMenu_; }
    GvGameOverMenu& gameOverMenu() { return *gameOverMenu_; }

private:
    void beginTransition(GvViewMode mode, GvTransitionTarget target, GvPanel* outgoing,
                         GvPanel* incoming, const GvTransitionLook& look);
    // Whether a transition into play is running.
    bool enteringPlay() const;
    void stopCaveSounds();
    void cycleDemo();
    void clearWorldInput();
    void drawPanel(GvPanel* panel, float scale, float offset, const OrbColor& tint);
    void drawCheatLine();
    float slideDistance() const;
    std::vector<GvPanel*> allPanels();
    bool cheatHidesOverlay() const { return cheatOn(CheatHideOverlay); }
    void cheatToggled(int index);

    GvViewMode mode_ = GvViewMode::Starting;
    GvScreenTransition transition_;
    std::vector<GvPanel*> panelStack_;
    GvPanel* returnPanel_ = nullptr;
    bool returnRefresh_ = false;

    GvPlayMode playMode_ = GvPlayMode::Normal;
    int playLevelIndex_ = -1;
    GvInputRecording playRecording_;

    std::uint32_t backdropFrame_ = 0;
    float backdropPhase_ = 0.0f;

    std::unique_ptr<GvResources> resources_;
    std::unique_ptr<OrbAudioDevice> audioOutput_;
    GvSfxModule* sfx_ = nullptr; // owned by the audio output
    float volume_ = 0.5f;

    std::unique_ptr<GvLevelPack> loadedPack_;
    std::unique_ptr<GvLevelPack> standardPack_;
    std::string packFileName_;
    int demoCursor_ = -1;
    double idleSeconds_ = 0.0;

    GvPanel* modalPanel_ = nullptr;
    std::unique_ptr<GvTitleMenu> titleMenu_;
    std::unique_ptr<GvStartBox> startBox_;
    std::unique_ptr<GvLevelPackBox> levelPackBox_;
    std::unique_ptr<GvOptionsBox> optionsBox_;
    std::unique_ptr<GvHelpBox> helpBox_;
    std::unique_ptr<GvAboutBox> aboutBox_;
    std::unique_ptr<GvErrorBox> errorBox_;
    std::unique_ptr<GvPausedMenu> pausedMenuWithRetry_;
    std::unique_ptr<GvPausedMenu> pausedMenuNoRetry_;
    std::unique_ptr<GvLevelCompleteMenu> levelCompleteMenu_;
    std::unique_ptr<GvLevelCompleteMenu> levelCompleteRecordMenu_;
    std::unique_ptr<GvBonusFailedMenu> bonusFailedMenu_;
    std::unique_ptr<GvGameOverMenu> gameOverMenu_;

    int selectedLevel_ = 0;
    bool pauseRequested_ = false;
    // A cave that ends while it is still zooming in shows its panel once it is in.
    bool endPending_ = false;
    GvWorldState pendingEnd_ = GvWorldState::Playing;
    std::unique_ptr<GvStatistics> statistics_;
    std::unique_ptr<GvGameScreen> screen_;
    std::vector<std::unique_ptr<OrbCheatCode>> cheats_;
    std::unique_ptr<OrbDefaults> settings_;
    // -1 without an override, else the window mode asked for on the command line.
    int placementOverride_ = -1;
};
