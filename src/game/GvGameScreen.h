#pragma once

#include "game/GvCamera.h"
#include "game/GvPlayMode.h"
#include "game/drawing/GvStatusLine.h"
#include "graphics/OrbColor.h"
#include "platform/GvInputRecording.h"
#include "platform/OrbSmoothStepAnimationPath.h"
#include "platform/OrbUncopyable.h"
#include "sim/GvWorld.h"

#include <cstdint>
#include <functional>
#include <memory>

class GvGameScreenListener;
class GvGameSfxSink;
class GvGameSoundSink;
class GvLevelPack;
class GvResources;
class GvStatistics;
class OrbSimpleSfxVoiceGroup;

// Plays one cave at a time: owns the world, drives it from real time, turns keys
// into its input, moves the camera, draws the cave with its status line and the
// "REPLAY" label, turns the world's sound requests into effects and tells its
// listener (the controller) when the cave ends. The same screen plays caves live,
// replays stored best runs and plays the pack's demos.
//
// Everything it uses is borrowed and may be missing: without a pack no cave
// starts, without a sound sink play is silent, without resources nothing is
// drawn, without a listener the end of a cave goes unreported.
class GvGameScreen : OrbUncopyable {
public:
    // Tab multiplies the game speed by this.
    static constexpr double kFastForwardFactor = 3.0;
    static constexpr float kReplayLabelPeriod = 1.0f;
    // Effects that keep sounding while their flag stays raised.
    static constexpr int kFirstLoopingEffect = 8;
    static constexpr int kLastLoopingEffect = 10;
    // Effects that `stopSounds` silences (all the world can ask for).
    static constexpr int kStoppableEffects = 23;

    // The cosmetic seed varies looks only (the game hands in the calendar time).
    explicit GvGameScreen(GvGameScreenListener* listener = nullptr, std::uint32_t cosmeticSeed = 0);
    ~GvGameScreen();

    void setListener(GvGameScreenListener* listener) { listener_ = listener; }
    // The pack in use; levels are built from it.
    void setLevelPack(const GvLevelPack* pack) { pack_ = pack; }
    void setSoundSink(GvGameSoundSink* sink) { sounds_ = sink; }
    // Sends sounds to the game's synthesized effects (replaces any sink).
    void setSoundModule(OrbSimpleSfxVoiceGroup* module);
    void setResources(GvResources* resources);
    // The program clock in seconds; the world is dated by it before every advance
    // and the quota flash is timed by it.
    void setClock(std::function<double()> clock) { clock_ = std::move(clock); }
    // Hides the "REPLAY" label (a cheat for clean screenshots).
    void setOverlayHidden(bool hidden) { overlayHidden_ = hidden; }

    // Builds `selectedLevel` of the pack for live play. False (and the world left
    // as it was) when there is no pack or no such level.
    bool startLevel();
    // Builds `level` and plays `recording` back in `mode`. False as for startLevel.
    bool startPlayback(GvPlayMode mode, int level, const GvInputRecording& recording);
    // Advances by `seconds` of (already scaled) real time.
    void advance(double seconds);
    // A key event (OrbKeyCode, OrbKeyState, OrbModifier mask); true when handled.
    bool keyEvent(int key, int state, int modifiers);
    // Draws the frame; `fade` (0..1) dims everything.
    void draw(float fade);
    // The game area measures logicalWidth x logicalHeight canvas units
    // (projection `gameProjection()`).
    void updateViewSize(float logicalWidth, float logicalHeight);
    // Silences every effect the world can start.
    void stopSounds();
    // Lets go of every live key (unless the world replays) and switches off fast
    // forward and view adjust; for pauses, focus loss and the end of a cave.
    void releaseInput();

    // Records the finished run of the current level in the statistics (diamonds,
    // ticks left, the world's input recording); true when it became a best.
    bool recordRun(GvStatistics& statistics) const;

    // The projection the cave is drawn in: the whole window for demos, else
    // below the status line.
    int gameProjection() const;

    GvWorld& world() { return *world_; }
    const GvWorld& world() const { return *world_; }
    const GvCamera& camera() const { return camera_; }
    int selectedLevel() const { return selectedLevel_; }
    void setSelectedLevel(int level) { selectedLevel_ = level; }
    // The level the world was last built from.
    int currentLevel() const { return currentLevel_; }
    GvPlayMode playMode() const { return playMode_; }
    bool cheated() const { return cheated_; }
    // The controller marks the cave when a disqualifying cheat was on in a step.
    void setCheated() { cheated_ = true; }
    bool viewAdjust() const { return viewAdjust_; }
    bool fastForward() const { return fastForward_; }
    float replayLabelPhase() const { return replayLabelPhase_; }
    // The label's colour at the current phase, before fading.
    OrbColor replayLabelColour() const;

private:
    bool build(int level, GvPlayMode mode);
    void clearWorldInput();
    void playSounds();
    void checkEnd(GvWorldState before);
    void applyKey(GvInputBits bit, bool down);
    void drawReplayLabel(float fade);

    GvGameScreenListener* listener_ = nullptr;
    const GvLevelPack* pack_ = nullptr;
    GvGameSoundSink* sounds_ = nullptr;
    std::unique_ptr<GvGameSfxSink> ownedSink_;
    GvResources* resources_ = nullptr;
    std::function<double()> clock_;
    bool overlayHidden_ = false;

    std::unique_ptr<GvWorld> world_;
    GvStatusLine statusLine_;
    GvCamera camera_;
    int selectedLevel_ = 0;
    int currentLevel_ = -1;
    GvPlayMode playMode_ = GvPlayMode::Normal;
    bool cheated_ = false;
    bool viewAdjust_ = false;
    bool fastForward_ = false;
    // Arrow bits held, kept here too so that the view can be scrolled by hand
    // while the world replays and ignores live keys.
    GvInputBits arrowsHeld_ = 0;
    // The end of a cave is reported once, even when a world whose player is gone
    // later runs out of time.
    bool endReported_ = false;
    float logicalWidth_ = 1.0f;
    float logicalHeight_ = 1.0f;

    float replayLabelPhase_ = 0.0f;
    OrbSmoothStepAnimationPath<double> replayLabelPath_{0.2, 0.36, 0.56, 0.8};
    OrbColor replayLabelColourA_;
    OrbColor replayLabelColourB_;
};
