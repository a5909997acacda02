#include "sim/GvObjectFactory.h"

#include "sim/GvAmoebaObject.h"
#include "sim/GvBombObject.h"
#include "sim/GvBoulderObject.h"
#include "sim/GvBrickWallObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvDirtObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvGrowingWallObject.h"
#include "sim/GvInBoxObject.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvOutBoxObject.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvSlimeObject.h"
#include "sim/GvSpaceObject.h"
#include "sim/GvSteelWallObject.h"
#include "sim/GvVoodooDollObject.h"

std::unique_ptr<GvObject> GvObjectFactory::createObjectOfKind(GvObjectKind kind) {
    switch (kind) {
    case GvObjectKind::dirt:
        return std::make_unique<GvDirtObject>();
    case GvObjectKind::boulder:
        return std::make_unique<GvBoulderObject>();
    case GvObjectKind::diamond:
        return std::make_unique<GvDiamondObject>();
    case GvObjectKind::bomb:
        return std::make_unique<GvBombObject>();
    case GvObjectKind::steel_wall:
        return std::make_unique<GvSteelWallObject>();
    case GvObjectKind::brick_wall:
        return std::make_unique<GvBrickWallObject>();
    case GvObjectKind::magic_wall:
        return std::make_unique<GvMagicWallObject>();
    case GvObjectKind::growing_wall:
        return std::make_unique<GvGrowingWallObject>(2);
    case GvObjectKind::firefly:
        return std::make_unique<GvFireflyObject>(0);
    case GvObjectKind::butterfly:
        return std::make_unique<GvButterflyObject>(0);
    case GvObjectKind::amoeba:
        return std::make_unique<GvAmoebaObject>();
    case GvObjectKind::slime:
        return std::make_unique<GvSlimeObject>();
    case GvObjectKind::explosion:
        return std::make_unique<GvExplosionObject>();
    case GvObjectKind::in_box:
        return std::make_unique<GvInBoxObject>();
    case GvObjectKind::out_box:
        return std::make_unique<GvOutBoxObject>();
    case GvObjectKind::player:
        return std::make_unique<GvPlayerObject>();
    case GvObjectKind::voodoo_doll:
        return std::make_unique<GvVoodooDollObject>();
    case GvObjectKind::space:
        break;
    }
    return std::make_unique<GvSpaceObject>();
}

static std::unique_ptr<GvObject> falling(std::unique_ptr<GvObject> object) {
    object->setFalling(true);
    return object;
}

static std::unique_ptr<GvObject> packedObject(GvPackedObjectType type) {
    using T = GvPackedObjectType;
    switch (type) {
    case T::dirt:
        return std::make_unique<GvDirtObject>();
    case T::in_box:
        return std::make_unique<GvInBoxObject>();
    case T::out_box:
        return std::make_unique<GvOutBoxObject>();
    case T::boulder:
        return std::make_unique<GvBoulderObject>();
    case T::boulder_f:
        return falling(std::make_unique<GvBoulderObject>());
    case T::diamond:
        return std::make_unique<GvDiamondObject>();
    case T::diamond_f:
        return falling(std::make_unique<GvDiamondObject>());
    case T::bomb:
        return std::make_unique<GvBombObject>();
    case T::bomb_f:
        return falling(std::make_unique<GvBombObject>());
    case T::steel_wall:
        return std::make_unique<GvSteelWallObject>();
    case T::brick_wall:
        return std::make_unique<GvBrickWallObject>();
    case T::magic_wall:
        return std::make_unique<GvMagicWallObject>();
    case T::growing_wall:
        return std::make_unique<GvGrowingWallObject>(3);
    case T::growing_wall_h:
        return std::make_unique<GvGrowingWallObject>(2);
    case T::growing_wall_v:
        return std::make_unique<GvGrowingWallObject>(1);
    // The stored direction index is the step tried first; see the direction tables.
    case T::firefly_l:
        return std::make_unique<GvFireflyObject>(1);
    case T::firefly_u:
        return std::make_unique<GvFireflyObject>(0);
    case T::firefly_r:
        return std::make_unique<GvFireflyObject>(3);
    case T::firefly_d:
        return std::make_unique<GvFireflyObject>(2);
    case T::butterfly_l:
        return std::make_unique<GvButterflyObject>(1);
    case T::butterfly_u:
        return std::make_unique<GvButterflyObject>(0);
    case T::butterfly_r:
        return std::make_unique<GvButterflyObject>(3);
    case T::butterfly_d:
        return std::make_unique<GvButterflyObject>(2);
    case T::amoeba:
        return std::make_unique<GvAmoebaObject>();
    case T::slime:
        return std::make_unique<GvSlimeObject>();
    case T::voodoo_doll:
        return std::make_unique<GvVoodooDollObject>();
    case T::space:
    case T::none:
        break;
    }
    return std::make_unique<GvSpaceObject>();
}

std::unique_ptr<GvObject>
GvObjectFactory::createPackedObject(GvPackedObjectType type, int style,
                                    GvGamePlayRandomStream& cosmeticRandom) {
    std::unique_ptr<GvObject> object = packedObject(type);
    object->setStyle(style);
    object->randomizeLook(cosmeticRandom);
    return object;
}
