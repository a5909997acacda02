#include "game/GvGameScreen.h"

#include "game/GvGameScreenListener.h"
#include "game/GvGameSfxSink.h"
#include "game/GvStatistics.h"
#include "game/drawing/GvResources.h"
#include "graphics/GvFont.h"
#include "graphics/OrbClock.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbKeyCode.h"
#include "levelpack/GvLevelPack.h"

#include <algorithm>
#include <cmath>

GvGameScreen::GvGameScreen(GvGameScreenListener* listener, std::uint32_t cosmeticSeed)
    : listener_(listener), clock_(&OrbClock::now), world_(std::make_unique<GvWorld>(cosmeticSeed)),
      replayLabelColourA_(GvResources::makeColour(1.0f, 1.0f, 1.0f, 0.0f)),
      replayLabelColourB_(GvResources::makeColour(1.0f, 1.0f, 1.0f, 0.33f)) {}

GvGameScreen::~GvGameScreen() = default;

void GvGameScreen::setSoundModule(OrbSimpleSfxVoiceGroup* module) {
    if (module == nullptr) {
        ownedSink_.reset();
        sounds_ = nullptr;
        return;
    }
    ownedSink_ = std::make_unique<GvGameSfxSink>(*module);
    sounds_ = ownedSink_.get();
}

void GvGameScreen::setResources(GvResources* resources) {
    resources_ = resources;
    statusLine_.setResources(resources);
}

int GvGameScreen::gameProjection() const {
    return playMode_ == GvPlayMode::Demo ? OrbProjectionGameFull : OrbProjectionGameBelowStatus;
}

bool GvGameScreen::build(int level, GvPlayMode mode) {
    if (pack_ == nullptr || !pack_->buildLevel(level, *world_)) {
        return false;
    }
    currentLevel_ = level;
    playMode_ = mode;
    replayLabelPhase_ = 0.0f;
    cheated_ = false;
    endReported_ = false;
    releaseInput();
    if (resources_ != nullptr) {
        const OrbRect& canvas = resources_->projection(gameProjection()).canvas();
        logicalWidth_ = canvas.width;
        logicalHeight_ = canvas.height;
    }
    camera_.updateViewSize(*world_, logicalWidth_, logicalHeight_);
    camera_.place(*world_);
    return true;
}

bool GvGameScreen::startLevel() {
    return build(selectedLevel_, GvPlayMode::Normal);
}

bool GvGameScreen::startPlayback(GvPlayMode mode, int level, const GvInputRecording& recording) {
    if (!build(level, mode)) {
        return false;
    }
    world_->startReplay(recording);
    return true;
}

void GvGameScreen::clearWorldInput() {
    GvWorld& world = *world_;
    if (world.replaying) {
        return;
    }
    world.input_enabled = true;
    world.keys_held = 0;
    world.keys_pressed = 0;
    world.first_press = 0;
    world.last_direction = 0;
}

void GvGameScreen::releaseInput() {
    clearWorldInput();
    viewAdjust_ = false;
    fastForward_ = false;
    arrowsHeld_ = 0;
}

void GvGameScreen::advance(double seconds) {
    if (currentLevel_ < 0) {
        return;
    }
    double e = std::isfinite(seconds) ? std::max(seconds, 0.0) : 0.0;
    if (fastForward_) {
        e *= kFastForwardFactor;
    }
    GvWorld& world = *world_;
    const GvWorldState before = world.state;
    world.clock_time = clock_ ? clock_() : 0.0;
    world.advance(e);
    playSounds();
    camera_.follow(world, static_cast<float>(e), viewAdjust_, arrowsHeld_);
    replayLabelPhase_ += static_cast<float>(e / static_cast<double>(kReplayLabelPeriod));
    replayLabelPhase_ -= std::floor(replayLabelPhase_);
    checkEnd(before);
}

void GvGameScreen::playSounds() {
    if (sounds_ == nullptr) {
        return;
    }
    const GvWorld& world = *world_;
    for (int n = 0; n < kWorldEventCount; ++n) {
        if (world.events[static_cast<std::size_t>(n)]) {
            sounds_->play(n);
        } else if (n >= kFirstLoopingEffect && n <= kLastLoopingEffect) {
            sounds_->stop(n);
        }
    }
}

void GvGameScreen::checkEnd(GvWorldState before) {
    const GvWorldState now = world_->state;
    if (now == before || endReported_) {
        return;
    }
    if (now != GvWorldState::Completed && now != GvWorldState::Ended &&
        now != GvWorldState::PlayerGone) {
        return;
    }
    endReported_ = true;
    releaseInput();
    if (listener_ != nullptr) {
        listener_->caveEnded(now);
    }
}

void GvGameScreen::stopSounds() {
    if (sounds_ == nullptr) {
        return;
    }
    for (int n = 0; n < kStoppableEffects; ++n) {
        sounds_->stop(n);
    }
}

void GvGameScreen::applyKey(GvInputBits bit, bool down) {
    if (down) {
        arrowsHeld_ |= bit;
    } else {
        arrowsHeld_ &= ~bit;
    }
    world_->setKey(bit, down);
}

bool GvGameScreen::keyEvent(int key, int state, int modifiers) {
    if (playMode_ == GvPlayMode::Demo) {
        if (listener_ != nullptr) {
            listener_->demoInterrupted();
        }
        return true;
    }
    constexpr int kBlockingModifiers = OrbModShift | OrbModControl | OrbModAlt | OrbModWindows;
    if ((key == OrbKeyEscape || key == OrbKeyReturn) && state == OrbKeyPressed &&
        (modifiers & kBlockingModifiers) == 0) {
        if (listener_ != nullptr) {
            listener_->pauseRequested();
        }
        return true;
    }
    if (state == OrbKeyRepeated) {
        return false;
    }
    const bool down = state != OrbKeyReleased;
    switch (key) {
    case OrbKeyTab:
        fastForward_ = down;
        return true;
    case OrbKeyUp:
        applyKey(kInputUp, down);
        return true;
    case OrbKeyDown:
        applyKey(kInputDown, down);
        return true;
    case OrbKeyLeft:
        applyKey(kInputLeft, down);
        return true;
    case OrbKeyRight:
        applyKey(kInputRight, down);
        return true;
    case OrbKeyShift:
        viewAdjust_ = down;
        // While the view is moved by hand the arrows must not move the player.
        if (!world_->replaying) {
            world_->input_enabled = !down;
        }
        return true;
    case OrbKeyControl:
    case OrbKeyAlt:
        applyKey(kInputSnap, down);
        return true;
    default:
        return false;
    }
}

void GvGameScreen::updateViewSize(float logicalWidth, float logicalHeight) {
    logicalWidth_ = logicalWidth;
    logicalHeight_ = logicalHeight;
    camera_.updateViewSize(*world_, logicalWidth, logicalHeight);
}

bool GvGameScreen::recordRun(GvStatistics& statistics) const {
    if (pack_ == nullptr || currentLevel_ < 0) {
        return false;
    }
    GvStatistics::Key key{};
    pack_->levelDigest(currentLevel_, key.data());
    const GvWorld& world = *world_;
    return statistics.record(world.diamonds_collected, world.remainingTicks(), key,
                             world.input_record);
}

OrbColor GvGameScreen::replayLabelColour() const {
    const float t =
        static_cast<float>(replayLabelPath_.value(static_cast<double>(replayLabelPhase_)));
    const OrbColor& a = replayLabelColourA_;
    const OrbColor& b = replayLabelColourB_;
    return OrbColor{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                    a.a + (b.a - a.a) * t};
}

void GvGameScreen::draw(float fade) {
    if (resources_ == nullptr) {
        return;
    }
    const GvWorld& world = *world_;
    const double now = clock_ ? clock_() : 0.0;
    // A white flash marks the moment the quota is reached.
    if (now <= world.quota_flash_time) {
        OrbGlState::clear(OrbColor{fade, fade, fade, fade});
    } else {
        OrbGlState::clear(OrbColor{0.0f, 0.0f, 0.0f, 0.0f});
    }
    if (currentLevel_ < 0) {
        return;
    }
    if (playMode_ != GvPlayMode::Demo) {
        resources_->useProjection(OrbProjectionStatusLine);
        statusLine_.draw(world, now, fade);
    }

    const int projection = gameProjection();
    const OrbRect& canvas = resources_->projection(projection).canvas();
    resources_->useScaledProjection(projection, canvas.width / camera_.viewWidth,
                                    canvas.height / camera_.viewHeight);
    const GvCamera::Range around = camera_.visibleRange(world, false);
    resources_->drawFiller(world, fade,
                           OrbRect{static_cast<float>(around.firstCol),
                                   static_cast<float>(around.firstRow),
                                   static_cast<float>(around.lastCol - around.firstCol + 1),
                                   static_cast<float>(around.lastRow - around.firstRow + 1)},
                           camera_.cameraX, camera_.cameraY);
    const GvCamera::Range range = camera_.visibleRange(world, true);
    GvWorldRenderer::View view;
    view.cameraX = camera_.cameraX;
    view.cameraY = camera_.cameraY;
    view.firstCol = range.firstCol;
    view.lastCol = range.lastCol;
    view.firstRow = range.firstRow;
    view.lastRow = range.lastRow;
    view.wrapOffsetX = camera_.wrapOffsetX;
    view.wrapOffsetY = camera_.wrapOffsetY;
    view.brightness = fade;
    resources_->renderer().drawWorld(world, view);

    if (world.replaying && !overlayHidden_) {
        drawReplayLabel(fade);
    }
}

void GvGameScreen::drawReplayLabel(float fade) {
    OrbColor colour = replayLabelColour();
    colour.r *= fade;
    colour.g *= fade;
    colour.b *= fade;
    colour.a *= fade;
    // One tile high, half a tile in from the bottom-right corner of the game area.
    const OrbPoint corner{camera_.viewWidth / 2.0f - 0.5f, -camera_.viewHeight / 2.0f + 0.5f};
    GvFont& font = resources_->font();
    font.drawText(corner, "REPLAY", 1.0f, colour, OrbFont::kSmallCaps,
                  OrbFont::kAlignRight | OrbFont::kAlignBottom);
    font.flushGlyphs();
}
