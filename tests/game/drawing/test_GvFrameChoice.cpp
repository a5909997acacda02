#include "game/drawing/GvFrameChoice.h"

#include "sim/GvBombObject.h"
#include "sim/GvBoulderObject.h"
#include "sim/GvBrickWallObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvDirtObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvOutBoxObject.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvSlimeObject.h"
#include "sim/GvSteelWallObject.h"
#include "sim/GvWorld.h"

#include <gtest/gtest.h>

namespace {

const GvFrameChoice::Counts& counts() {
    return GvFrameChoice::standardCounts();
}

} // namespace

TEST(GvFrameChoice, BoulderFramesAreTwentyStepsWithTheRestAsRotation) {
    // 9 degrees is half way between frames 0 and 1: it rounds up and turns back.
    GvFrameChoice::Turned t = GvFrameChoice::boulder(9.0f, 20);
    EXPECT_EQ(t.frame, 1);
    EXPECT_NEAR(t.rotation, -9.0f, 1e-4f);
    t = GvFrameChoice::boulder(8.0f, 20);
    EXPECT_EQ(t.frame, 0);
    EXPECT_NEAR(t.rotation, 8.0f, 1e-4f);
    // Just short of a full turn rounds to the first frame again.
    t = GvFrameChoice::boulder(355.0f, 20);
    EXPECT_EQ(t.frame, 0);
    EXPECT_NEAR(t.rotation, -5.0f, 1e-3f);
    t = GvFrameChoice::boulder(180.0f, 20);
    EXPECT_EQ(t.frame, 10);
    EXPECT_NEAR(t.rotation, 0.0f, 1e-4f);
}

TEST(GvFrameChoice, DiamondTakesSevenStepsPerFrameCycle) {
    const float stepDegrees = 360.0f / 28.0f;
    GvFrameChoice::Turned t = GvFrameChoice::diamond(5.0f * stepDegrees, 4);
    EXPECT_EQ(t.frame, 1); // step 5 of 28, frames repeat every 4 steps
    EXPECT_NEAR(t.rotation, 0.0f, 1e-3f);
    t = GvFrameChoice::diamond(9.0f, 4); // s = 0.7 -> step 1
    EXPECT_EQ(t.frame, 1);
    EXPECT_NEAR(t.rotation, (0.7f - 1.0f) * stepDegrees, 1e-3f);
    t = GvFrameChoice::diamond(27.6f * stepDegrees, 4); // rounds to step 28 = step 0
    EXPECT_EQ(t.frame, 0);
    EXPECT_NEAR(t.rotation, -0.4f * stepDegrees, 1e-3f);
}

TEST(GvFrameChoice, BombPulseAndRotationCombine) {
    EXPECT_EQ(GvFrameChoice::bombPulse(0.0f), 7); // 8.5 floors to 8, clamped to 7
    EXPECT_EQ(GvFrameChoice::bombPulse(0.5f), 0);
    EXPECT_EQ(GvFrameChoice::bombPulse(0.25f), 4);
    EXPECT_EQ(GvFrameChoice::bombPulse(0.99f), 7);
    // 15-degree steps; the frames hold three rotation steps per pulse level.
    GvFrameChoice::Turned t = GvFrameChoice::bomb(15.0f, 0.5f, 24);
    EXPECT_EQ(t.frame, 1);
    t = GvFrameChoice::bomb(50.0f, 0.25f, 24); // step 3 (rest +5) -> 0 + 3 x 4
    EXPECT_EQ(t.frame, 12);
    EXPECT_NEAR(t.rotation, 5.0f, 1e-3f);
    t = GvFrameChoice::bomb(352.5f, 0.0f, 24); // step 23.5 rounds to 24 = 0
    EXPECT_EQ(t.frame, 21);
    EXPECT_NEAR(t.rotation, -7.5f, 1e-3f);
    // A smaller set than expected clamps instead of overrunning.
    EXPECT_EQ(GvFrameChoice::bomb(30.0f, 0.0f, 10).frame, 9);
}

TEST(GvFrameChoice, FireflyMirrorsTheSecondHalfOfTheTurn) {
    GvLook look = GvFrameChoice::firefly(270.0f, 11);
    EXPECT_EQ(look.image, GvImage::firefly);
    EXPECT_EQ(look.frame, 5);
    EXPECT_TRUE(look.mirrored);
    EXPECT_NEAR(look.rotation, 0.0f, 1e-4f);
    look = GvFrameChoice::firefly(90.0f, 11);
    EXPECT_EQ(look.frame, 5);
    EXPECT_FALSE(look.mirrored);
    look = GvFrameChoice::firefly(180.0f, 11); // step 10 is the last unmirrored one
    EXPECT_EQ(look.frame, 10);
    EXPECT_FALSE(look.mirrored);
    look = GvFrameChoice::firefly(200.0f, 11); // s = 11.11 -> step 11 -> frame 9 mirrored
    EXPECT_EQ(look.frame, 9);
    EXPECT_TRUE(look.mirrored);
    EXPECT_NEAR(look.rotation, 2.0f, 1e-3f);
    look = GvFrameChoice::firefly(-90.0f, 11); // same as 270
    EXPECT_EQ(look.frame, 5);
    EXPECT_TRUE(look.mirrored);
}

TEST(GvFrameChoice, PhaseFramesStayInsideTheirSets) {
    EXPECT_EQ(GvFrameChoice::butterfly(0.0f, 16), 0);
    EXPECT_EQ(GvFrameChoice::butterfly(0.5f, 16), 8);
    EXPECT_EQ(GvFrameChoice::butterfly(0.99f, 16), 15);
    EXPECT_EQ(GvFrameChoice::looping(0.999f, 20), 19);
    EXPECT_EQ(GvFrameChoice::looping(0.05f, 20), 1);
    EXPECT_EQ(GvFrameChoice::explosion(0.5f, 24), 12);
    EXPECT_EQ(GvFrameChoice::explosion(1.0f, 24), 23);
    EXPECT_EQ(GvFrameChoice::explosion(-0.2f, 24), 0);
}

// The wings open over the first 0.35 of the beat, close by 0.7 and stay shut for
// the rest; frame 0 shows them shut, the last frame wide open.
TEST(GvFrameChoice, ButterflyFramesFollowTheWingOpening) {
    const struct {
        float phase;
        int frame;
    } cases[] = {{0.0f, 0}, {0.1f, 5},  {0.175f, 8}, {0.35f, 15}, {0.525f, 8},
                 {0.6f, 5}, {0.69f, 0}, {0.7f, 0},   {0.85f, 0},  {0.999f, 0}};
    GvWorld world;
    for (const auto& c : cases) {
        GvButterflyObject butterfly(0);
        butterfly.flutter_phase = c.phase;
        EXPECT_EQ(GvFrameChoice::look(butterfly, world, counts()),
                  (GvLook{GvImage::butterfly, c.frame}))
            << "phase " << c.phase;
    }
}

TEST(GvFrameChoice, PlayerFrameGroups) {
    const GvFrameChoice::PlayerGroups g;
    const int count = GvArt::playerFrameCount;
    GvFrameChoice::PlayerPose pose;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.standFront);

    pose.facing = 0;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.standBack);
    pose.moving = true;
    pose.progress = 0.3f; // n = 7
    GvLook look = GvFrameChoice::player(pose, g, count);
    EXPECT_EQ(look.frame, g.walkUp + 7);
    EXPECT_FALSE(look.mirrored);
    pose.progress = 0.6f; // n = 14: the second half mirrors the first
    look = GvFrameChoice::player(pose, g, count);
    EXPECT_EQ(look.frame, g.walkUp + 2);
    EXPECT_TRUE(look.mirrored);

    pose.facing = 2;
    pose.progress = 1.0f; // n = 24
    look = GvFrameChoice::player(pose, g, count);
    EXPECT_EQ(look.frame, g.walkDown + 11);
    EXPECT_TRUE(look.mirrored);

    pose.facing = 1;
    pose.moving = false;
    look = GvFrameChoice::player(pose, g, count);
    EXPECT_EQ(look.frame, g.standSide);
    EXPECT_TRUE(look.mirrored);
    pose.facing = 3;
    pose.pushing = true;
    look = GvFrameChoice::player(pose, g, count);
    EXPECT_EQ(look.frame, g.pushSide);
    EXPECT_FALSE(look.mirrored);
    pose.moving = true;
    pose.progress = 0.5f;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.pushWalk + 12);
    pose.pushing = false;
    pose.progress = 1.0f; // clamped to the last frame of the stride
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.walkSide + 23);
}

TEST(GvFrameChoice, PlayerBlinksRiseAndFallByKind) {
    const GvFrameChoice::PlayerGroups g;
    const int count = GvArt::playerFrameCount;
    GvFrameChoice::PlayerPose pose;
    pose.blinking = true;
    pose.blinkProgress = 0.25f; // x = 0.5 -> 3
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.blink + 3);
    pose.blinkProgress = 0.5f; // x = 1 -> 6, clamped to 5
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.blink + 5);
    pose.blinkProgress = 0.9f; // falling again: x = 0.2 -> 1
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.blink + 1);
    pose.tapping = true;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.blinkTap + 1);
    pose.blinking = false;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.tap + 1);
    // A blink shows only while standing and facing the front.
    pose.facing = 0;
    EXPECT_EQ(GvFrameChoice::player(pose, g, count).frame, g.standBack);
}

TEST(GvFrameChoice, TiledQuarterFollowsGridParity) {
    EXPECT_EQ(GvFrameChoice::tileQuarter(3, 4), (OrbRect{0.5f, 0.0f, 0.5f, 0.5f}));
    EXPECT_EQ(GvFrameChoice::tileQuarter(0, 1), (OrbRect{0.0f, 0.5f, 0.5f, 0.5f}));
    // Negative grid positions (wrapped copies left of the cave) keep the parity.
    EXPECT_EQ(GvFrameChoice::tileQuarter(-1, -2), (OrbRect{0.5f, 0.0f, 0.5f, 0.5f}));
}

TEST(GvFrameChoice, LooksOfWorldObjects) {
    GvWorld world;
    GvDirtObject dirt;
    dirt.setStyle(3);
    EXPECT_EQ(GvFrameChoice::look(dirt, world, counts()),
              (GvLook{GvImage::dirt, 3, 0.0f, false, true}));
    // A style beyond the set clamps to its last frame.
    dirt.setStyle(40);
    EXPECT_EQ(GvFrameChoice::look(dirt, world, counts()).frame, 7);

    GvMagicWallObject magic;
    GvLook look = GvFrameChoice::look(magic, world, counts());
    EXPECT_EQ(look.image, GvImage::brickWall);
    EXPECT_TRUE(look.tiled);

    GvBoulderObject boulder;
    boulder.setAngle(9.0f);
    look = GvFrameChoice::look(boulder, world, counts());
    EXPECT_EQ(look.frame, 1);
    EXPECT_NEAR(look.rotation, -9.0f, 1e-4f);
    // Previews show everything at rest.
    look = GvFrameChoice::look(boulder, world, counts(), true);
    EXPECT_EQ(look.frame, 0);
    EXPECT_EQ(look.rotation, 0.0f);

    GvBombObject bomb;
    world.phase[2].phase = 0.5f; // unlit: dimmest pulse
    world.phase[3].phase = 0.0f; // lit: brightest pulse
    EXPECT_EQ(GvFrameChoice::look(bomb, world, counts()).frame, 0);
    bomb.fuse_end = 10;
    EXPECT_EQ(GvFrameChoice::look(bomb, world, counts()).frame, 21);
    EXPECT_EQ(GvFrameChoice::look(bomb, world, counts(), true).frame, 23);

    GvFireflyObject firefly(3);
    firefly.setAngle(270.0f);
    look = GvFrameChoice::look(firefly, world, counts());
    EXPECT_EQ(look.frame, 5);
    EXPECT_TRUE(look.mirrored);

    world.phase[1].phase = 0.5f;
    GvSlimeObject slime;
    EXPECT_EQ(GvFrameChoice::look(slime, world, counts()), (GvLook{GvImage::slime, 10}));

    GvExplosionObject explosion(std::make_unique<GvDiamondObject>());
    explosion.stage = 1;
    explosion.stage_fraction = 0.5f; // progress 0.5
    EXPECT_EQ(GvFrameChoice::look(explosion, world, counts()), (GvLook{GvImage::explosion, 12}));
}

TEST(GvFrameChoice, BoxesShowOnlyWhileFlashing) {
    GvWorld world;
    GvInBoxObject in;
    in.setStyle(2);
    in.flash = false;
    EXPECT_EQ(GvFrameChoice::look(in, world, counts()).image, GvImage::none);
    in.flash = true;
    EXPECT_EQ(GvFrameChoice::look(in, world, counts()), (GvLook{GvImage::steelWall, 2}));
    GvOutBoxObject out;
    out.flash = false;
    EXPECT_EQ(GvFrameChoice::look(out, world, counts()).image, GvImage::none);
    // Previews follow the flash too: a new out box shows, a new in box does not.
    EXPECT_EQ(GvFrameChoice::look(out, world, counts(), true).image, GvImage::none);
    EXPECT_EQ(GvFrameChoice::look(GvOutBoxObject(), world, counts(), true).image,
              GvImage::steelWall);
    EXPECT_EQ(GvFrameChoice::look(GvInBoxObject(), world, counts(), true).image, GvImage::none);
}

TEST(GvFrameChoice, OnlyPlainWallLikeObjectsMerge) {
    GvBrickWallObject brick;
    EXPECT_TRUE(GvFrameChoice::canMerge(brick));
    GvSteelWallObject steel;
    EXPECT_TRUE(GvFrameChoice::canMerge(steel));
    GvBoulderObject boulder;
    EXPECT_FALSE(GvFrameChoice::canMerge(boulder));

    GvMagicWallObject magic;
    EXPECT_TRUE(GvFrameChoice::canMerge(magic));
    magic.sparkles.push_back({0.1f, 0.1f, 0.2f, 0.0f});
    EXPECT_FALSE(GvFrameChoice::canMerge(magic));

    GvDirtObject dirt;
    dirt.startClip(0.5f, 0.0f, 0.0f, 0.0f);
    EXPECT_FALSE(GvFrameChoice::canMerge(dirt));
    GvDirtObject fading;
    fading.fadeTo(0.0f, 1.0f);
    fading.opacity_value = 0.5f;
    EXPECT_FALSE(GvFrameChoice::canMerge(fading));
}
