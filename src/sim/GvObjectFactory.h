#pragma once

#include "sim/GvObject.h"
#include "sim/GvObjectKind.h"
#include "sim/GvPackedObjectType.h"

#include <memory>

class GvGamePlayRandomStream;

// The two ways of making objects: by kind in the default state (amoeba
// conversion, explosion remains, magic wall output) and from a cave's object
// code with its style and a random look (level building).
class GvObjectFactory {
public:
    // Unknown kinds give space.
    static std::unique_ptr<GvObject> createObjectOfKind(GvObjectKind kind);
    // Types 0 and 27 ("none") and any value outside 0..26 give space.
    static std::unique_ptr<GvObject> createPackedObject(GvPackedObjectType type, int style,
                                                        GvGamePlayRandomStream& cosmeticRandom);
};

inline std::unique_ptr<GvObject> createObjectOfKind(GvObjectKind kind) {
    return GvObjectFactory::createObjectOfKind(kind);
}

inline std::unique_ptr<GvObject> createPackedObject(GvPackedObjectType type, int style,
                                                    GvGamePlayRandomStream& cosmeticRandom) {
    return GvObjectFactory::createPackedObject(type, style, cosmeticRandom);
}
