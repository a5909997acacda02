#include "sim/GvBombObject.h"
#include "sim/GvBoulderObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvDirtObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvGrowingWallObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvOutBoxObject.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <gtest/gtest.h>

#include <string>

TEST(GvObjectFactory, PackedTypesMakeTheTabledObjects) {
    GvGamePlayRandomStream looks(5);
    // kind, falling, and the direction or mask where the type has one
    struct Row {
        GvPackedObjectType type;
        GvObjectKind kind;
        bool falling;
        int extra;
    };
    using T = GvPackedObjectType;
    using K = GvObjectKind;
    const Row rows[] = {
        {T::space, K::space, false, -1},
        {T::dirt, K::dirt, false, -1},
        {T::in_box, K::in_box, false, -1},
        {T::out_box, K::out_box, false, -1},
        {T::boulder, K::boulder, false, -1},
        {T::boulder_f, K::boulder, true, -1},
        {T::diamond, K::diamond, false, -1},
        {T::diamond_f, K::diamond, true, -1},
        {T::bomb, K::bomb, false, -1},
        {T::bomb_f, K::bomb, true, -1},
        {T::steel_wall, K::steel_wall, false, -1},
        {T::brick_wall, K::brick_wall, false, -1},
        {T::magic_wall, K::magic_wall, false, -1},
        {T::growing_wall, K::growing_wall, false, 3},
        {T::growing_wall_h, K::growing_wall, false, 2},
        {T::growing_wall_v, K::growing_wall, false, 1},
        {T::firefly_l, K::firefly, false, 1},
        {T::firefly_u, K::firefly, false, 0},
        {T::firefly_r, K::firefly, false, 3},
        {T::firefly_d, K::firefly, false, 2},
        {T::butterfly_l, K::butterfly, false, 1},
        {T::butterfly_u, K::butterfly, false, 0},
        {T::butterfly_r, K::butterfly, false, 3},
        {T::butterfly_d, K::butterfly, false, 2},
        {T::amoeba, K::amoeba, false, -1},
        {T::slime, K::slime, false, -1},
        {T::voodoo_doll, K::voodoo_doll, false, -1},
        {T::none, K::space, false, -1},
        {T(28), K::space, false, -1},
        {T(1000), K::space, false, -1},
        {T(-3), K::space, false, -1},
    };
    for (const Row& row : rows) {
        const auto object = createPackedObject(row.type, 7, looks);
        SCOPED_TRACE(packedObjectKeyword(row.type) + std::string(" ") +
                     std::to_string(int(row.type)));
        EXPECT_EQ(object->kind(), row.kind);
        EXPECT_EQ(object->isFalling(), row.falling);
        EXPECT_EQ(object->style(), row.kind == K::space ? 0 : 7);
        if (const auto* wall = dynamic_cast<const GvGrowingWallObject*>(object.get())) {
            EXPECT_EQ(wall->mask, row.extra);
        }
        if (const auto* firefly = dynamic_cast<const GvFireflyObject*>(object.get())) {
            EXPECT_EQ(firefly->direction, row.extra);
            EXPECT_FLOAT_EQ(firefly->angle(), float(row.extra) * 90.0f);
        }
        if (const auto* butterfly = dynamic_cast<const GvButterflyObject*>(object.get())) {
            EXPECT_EQ(butterfly->direction, row.extra);
        }
    }
}

TEST(GvObjectFactory, KindsInDefaultState) {
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        const auto object = createObjectOfKind(GvObjectKind(kind));
        EXPECT_EQ(int(object->kind()), kind);
        EXPECT_FALSE(object->isFalling());
    }
    EXPECT_EQ(createObjectOfKind(GvObjectKind(18))->kind(), GvObjectKind::space);
    EXPECT_EQ(createObjectOfKind(GvObjectKind(-1))->kind(), GvObjectKind::space);
    const auto wall = createObjectOfKind(GvObjectKind::growing_wall);
    EXPECT_EQ(dynamic_cast<GvGrowingWallObject&>(*wall).mask, 2);
    const auto bomb = createObjectOfKind(GvObjectKind::bomb);
    EXPECT_EQ(dynamic_cast<GvBombObject&>(*bomb).fuse_end, -1);
    const auto blast = createObjectOfKind(GvObjectKind::explosion);
    EXPECT_EQ(dynamic_cast<GvExplosionObject&>(*blast).remains->kind(), GvObjectKind::space);
    EXPECT_TRUE(dynamic_cast<GvOutBoxObject&>(*createObjectOfKind(GvObjectKind::out_box)).flash);
    EXPECT_FALSE(dynamic_cast<GvInBoxObject&>(*createObjectOfKind(GvObjectKind::in_box)).flash);
    EXPECT_EQ(dynamic_cast<GvPlayerObject&>(*createObjectOfKind(GvObjectKind::player)).facing, 2);
}

TEST(GvObjectFactory, LooksComeFromTheCosmeticStreamOnly) {
    GvGamePlayRandomStream a(99), b(99);
    for (GvPackedObjectType type :
         {GvPackedObjectType::boulder, GvPackedObjectType::diamond, GvPackedObjectType::bomb}) {
        const auto first = createPackedObject(type, 0, a);
        const auto second = createPackedObject(type, 0, b);
        EXPECT_EQ(first->angle(), second->angle());
        EXPECT_GE(first->angle(), 0.0f);
        EXPECT_LT(first->angle(), 360.0f);
    }
    EXPECT_EQ(a.state, b.state);
    const std::uint32_t before = a.state;
    createPackedObject(GvPackedObjectType::dirt, 0, a);
    EXPECT_EQ(a.state, before) << "dirt has no random look";
    const auto butterfly = createPackedObject(GvPackedObjectType::butterfly_d, 0, a);
    const auto& wings = dynamic_cast<const GvButterflyObject&>(*butterfly);
    EXPECT_GE(wings.flutter_rate, 1.6f);
    EXPECT_LE(wings.flutter_rate, 2.0f);
    EXPECT_GE(wings.flutter_phase, 0.0f);
    EXPECT_LE(wings.flutter_phase, 1.0f);
    EXPECT_NE(a.state, before);
}

// Properties as one string per kind: diggable, collectable, pushable, rounded,
// gravity (y/n), then hit and blast responses.
static std::string properties(const GvObject& object) {
    std::string text;
    for (bool flag : {object.isDiggable(), object.isCollectable(), object.isPushable(),
                      object.isRounded(), object.isGravityObject()})
        text += flag ? 'y' : 'n';
    return text + std::to_string(object.hitResponse()) + std::to_string(object.blastResponse());
}

TEST(GvObjectProperties, TableAndFallingDependence) {
    const char* expected[kObjectKindCount] = {"nnnnn02", "ynnnn02", "nnyyy02", "nynyy02", "nnyyy11",
                                              "nnnnn00", "nnnyn02", "nnnnn02", "nnnnn02", "nnnnn22",
                                              "nnnnn32", "nnnnn02", "nnnnn02", "nnnnn02", "nnnnn00",
                                              "nnnnn02", "nnnnn22", "nnnnn02"};
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        const auto object = createObjectOfKind(GvObjectKind(kind));
        EXPECT_EQ(properties(*object), expected[kind]) << "kind " << kind;
    }
    GvDiamondObject diamond;
    diamond.setFalling(true);
    EXPECT_EQ(properties(diamond), "nnnny02");
    GvBoulderObject boulder;
    boulder.setFalling(true);
    EXPECT_EQ(properties(boulder), "nnnny02");
    GvBombObject bomb;
    bomb.setFalling(true);
    EXPECT_EQ(properties(bomb), "nnnny11");
    GvPlayerObject player;
    player.exited = true;
    EXPECT_EQ(properties(player), "nnnnn00");
}

TEST(GvObjectLooks, FadeAndScaleStopExactlyOnTarget) {
    GvWorld world;
    GvDirtObject dirt;
    dirt.fadeTo(0.0f, 1.0f);
    dirt.animate(world, 0.25f, 0.0f);
    EXPECT_FLOAT_EQ(dirt.opacity(), 0.75f);
    dirt.animate(world, 0.6f, 0.0f);
    EXPECT_FLOAT_EQ(dirt.opacity(), 0.15f);
    dirt.animate(world, 0.6f, 0.0f);
    EXPECT_EQ(dirt.opacity(), 0.0f);
    dirt.fadeTo(1.0f, 0.0f);
    EXPECT_EQ(dirt.opacity(), 1.0f);
    EXPECT_EQ(dirt.opacity_rate, 0.0f);

    GvDiamondObject diamond;
    diamond.scaleTo(1.0f, 0.0f);
    diamond.scaleTo(0.0f, 2.0f);
    diamond.animate(world, 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(diamond.scale(), 0.5f);
    diamond.animate(world, 5.0f, 0.0f);
    EXPECT_EQ(diamond.scale(), 0.0f);
    // Objects without looks answer neutrally.
    const auto space = createObjectOfKind(GvObjectKind::space);
    space->fadeTo(0.0f, 0.0f);
    space->setStyle(4);
    EXPECT_EQ(space->opacity(), 1.0f);
    EXPECT_EQ(space->style(), 0);
}

TEST(GvObjectLooks, GrowingIsRevealedFromItsSideAndFinishedAtTheTick) {
    GvWorld world;
    GvGrowingWallObject wall(2);
    wall.growFrom(1, 0);
    EXPECT_TRUE(wall.isClipped());
    EXPECT_EQ(wall.clipRight(), 1.0f);
    EXPECT_EQ(wall.clipLeft() + wall.clipTop() + wall.clipBottom(), 0.0f);
    wall.animate(world, 0.4f, 0.0f);
    EXPECT_FLOAT_EQ(wall.clipRight(), 0.6f);
    wall.animate(world, 0.9f, 0.0f);
    EXPECT_EQ(wall.clipRight(), 0.0f);
    wall.tick(world, 0, 0, 0, false);
    EXPECT_FALSE(wall.isClipped());
    EXPECT_FALSE(wall.revealing);

    const std::pair<int, int> sides[] = {{-1, 0}, {0, -1}, {0, 0}, {0, 1}};
    for (auto [dx, dy] : sides) {
        GvGrowingWallObject piece(1);
        piece.growFrom(dx, dy);
        const float total =
            piece.clipLeft() + piece.clipRight() + piece.clipTop() + piece.clipBottom();
        EXPECT_EQ(total, 1.0f);
        EXPECT_EQ(dx < 0   ? piece.clipLeft()
                  : dy > 0 ? piece.clipBottom()
                           : piece.clipTop(),
                  1.0f)
            << dx << "," << dy;
    }
}

TEST(GvObjectLooks, DugDirtHidesTowardsTheDigger) {
    GvWorld world;
    GvDirtObject dirt;
    dirt.shrinkToward(0, 1); // the digger comes from above
    EXPECT_TRUE(dirt.hiding);
    EXPECT_TRUE(dirt.isClipped());
    dirt.animate(world, 0.5f, 0.0f);
    EXPECT_FLOAT_EQ(dirt.clipTop(), 0.5f);
    dirt.animate(world, 0.8f, 0.0f);
    EXPECT_EQ(dirt.clipTop(), 1.0f);
    EXPECT_EQ(dirt.clipBottom(), 0.0f);
    dirt.tick(world, 0, 0, 0, true);
    EXPECT_FALSE(dirt.hiding);
    EXPECT_TRUE(dirt.isClipped());
    EXPECT_EQ(dirt.clipRight(), 1.0f);
    EXPECT_EQ(dirt.clipTop(), 1.0f);

    GvDirtObject other;
    other.shrinkToward(-1, 0);
    other.animate(world, 0.3f, 0.0f);
    EXPECT_FLOAT_EQ(other.clipRight(), 0.3f);
    other.stopClip();
    EXPECT_FALSE(other.isClipped());
    EXPECT_EQ(other.clipRight(), 0.0f);
}

TEST(GvObjectMoves, RollingSidewaysSpinsOneCellAndSlides) {
    GvWorld world;
    GvWorldText::parse(world, " r \n");
    GvObject* boulder = world.cellAt(1, 0);
    boulder->setAngle(10.0f);
    boulder->moveBy(world, 1, 0, -1, 0);
    ASSERT_EQ(world.cellAt(0, 0), boulder);
    EXPECT_TRUE(world.isStamped(1, 0));
    EXPECT_FLOAT_EQ(boulder->shiftX(), 1.0f);
    EXPECT_TRUE(boulder->isShifted());
    world.tick_rate = 1.0f;
    world.tick_fraction = 0.5f; // animate half a tick without running one
    world.advance(0.5);
    EXPECT_FLOAT_EQ(boulder->shiftX(), 0.5f);
    EXPECT_NEAR(boulder->angle(), 10.0f + 57.29578f, 1e-3);
    boulder->applySpin();
    EXPECT_NEAR(boulder->angle(), 124.59156f, 1e-3);

    boulder->setShiftX(0.0f, 0.0f);
    boulder->moveBy(world, 0, 0, 1, 0);
    EXPECT_EQ(world.cellAt(1, 0), boulder);
    boulder->applySpin();
    EXPECT_NEAR(boulder->angle(), 10.0f, 1e-3);
    // Falling adds no spin.
    GvWorldText::parse(world, "d\n \n");
    GvObject* diamond = world.cellAt(0, 0);
    const float angle = diamond->angle();
    diamond->moveBy(world, 0, 0, 0, 1);
    EXPECT_FLOAT_EQ(diamond->shiftY(), -1.0f);
    diamond->applySpin();
    EXPECT_EQ(diamond->angle(), angle);
    // A move across a missing edge leaves the object where it is.
    diamond->moveBy(world, 0, 1, 0, 1);
    EXPECT_EQ(world.cellAt(0, 1), diamond);
}

TEST(GvObjectMoves, AnglesAreKeptInOneTurn) {
    GvBoulderObject boulder;
    boulder.setAngle(-30.0f);
    EXPECT_FLOAT_EQ(boulder.angle(), 330.0f);
    boulder.setAngle(725.0f);
    EXPECT_FLOAT_EQ(boulder.angle(), 5.0f);
    boulder.setAngle(-720.0f);
    EXPECT_FLOAT_EQ(boulder.angle(), 0.0f);
    boulder.setAngle(-1e-9f);
    EXPECT_GE(boulder.angle(), 0.0f);
    EXPECT_LT(boulder.angle(), 360.0f);
    boulder.setSpin(0.0f, 200.0f);
    boulder.applySpin();
    EXPECT_LT(boulder.angle(), 360.0f);
    EXPECT_NE(boulder.angle(), 200.0f) << "no pending spin, nothing to apply";
}

TEST(GvObjectBoxes, BombsLightOnceAndBoxesFlash) {
    GvWorld world;
    GvWorldText::parse(world, "b X\nP  \n");
    auto& bomb = dynamic_cast<GvBombObject&>(*world.cellAt(0, 0));
    world.tick_count = 10;
    world.bomb_ticks = 6;
    bomb.ignite(world);
    EXPECT_EQ(bomb.fuse_end, 16);
    world.tick_count = 12;
    bomb.ignite(world);
    EXPECT_EQ(bomb.fuse_end, 16);

    auto& exit = dynamic_cast<GvOutBoxObject&>(*world.cellAt(2, 0));
    exit.tick(world, 2, 0, 0, false);
    EXPECT_TRUE(exit.flash) << "unchanged before the quota";
    world.quota_reached = true;
    world.tick_count = 13;
    exit.tick(world, 2, 0, 0, false);
    EXPECT_FALSE(exit.flash);
    world.tick_count = 14;
    exit.tick(world, 2, 0, 0, false);
    EXPECT_TRUE(exit.flash);

    auto& entrance = dynamic_cast<GvInBoxObject&>(*world.cellAt(0, 1));
    entrance.tick(world, 0, 1, 0, true);
    EXPECT_FALSE(entrance.flash);
    world.tick_count = 15;
    entrance.tick(world, 0, 1, 0, false);
    EXPECT_TRUE(entrance.flash);
    EXPECT_EQ(world.cellAt(0, 1), &entrance) << "no hatching before play";
}
