#pragma once

#include "levelpack/GvCaveDef.h"
#include "levelpack/GvDemoStep.h"
#include "levelpack/GvMd5.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class GvWorld;

// A loaded level pack: header texts, the caves in file order and the number of
// variants that every cave has. A level is one cave in one variant; level L is
// cave L mod caveCount in variant L div caveCount, so all caves of the first
// variant come first. The pack never changes during play: every level start
// builds a fresh world from it.
class GvLevelPack {
public:
    GvLevelPack() = default;
    GvLevelPack(const GvLevelPack&) = delete;
    GvLevelPack& operator=(const GvLevelPack&) = delete;

    int caveCount() const { return static_cast<int>(caves.size()); }
    int variantCount() const { return variant_count; }
    int levelCount() const { return caveCount() * variant_count; }
    // Null when the index is out of range.
    GvCaveDef* cave(int index);
    const GvCaveDef* cave(int index) const;
    GvCaveVariant* variant(int caveIndex, int v);
    const GvCaveVariant* variant(int caveIndex, int v) const;

    // Makes a cave with a default record for each of the pack's variants; the
    // caller fills it and appends it to `caves`.
    std::unique_ptr<GvCaveDef> makeCave(int width, int height) const;

    // First cave whose name equals `name` ignoring letter case, or null.
    GvCaveDef* findCaveByName(std::string_view name);
    const GvCaveDef* findCaveByName(std::string_view name) const;

    // Letters the normal caves in order, then the bonus caves (two letters each
    // once the pack has 27 caves or more).
    void assignCaveCodes();

    // Builds a level into a world and names it (level number, code such as A-1
    // or AB3, display name), then finds the player. False, with the world left
    // alone, when the level does not exist in this pack.
    bool buildLevel(int level, GvWorld& world) const;
    // Builds one cave in one variant without naming the level. False, with the
    // world left alone, when the cave or the variant does not exist.
    bool buildCaveVariant(int caveIndex, int v, GvWorld& world) const;

    // Level numbers whose variant record has a demo, ascending.
    std::vector<int> demoLevels() const;
    // The demo of a level; empty for a level that does not exist.
    const std::vector<GvDemoStep>& demo(int level) const;

    // The content digest that keys a level's statistics: names, texts, looks and
    // demos do not enter it, anything that changes play does. Writes 16 bytes; a
    // level that does not exist gets the digest of its number alone.
    void levelDigest(int level, std::uint8_t* out16) const;
    GvMd5::Digest levelDigest(int level) const;

    // Turns a pack that stores each variant as a cave of its own (twenty caves
    // per variant, named "A-1: ...", "A-2: ...") into twenty caves with variants.
    // A pack that does not have exactly that shape is left unchanged.
    void regroupFlatPack();

    // The cave code of a level followed by its variant number: A-1, C-5, AB3.
    std::string levelCode(int level) const;

    std::string name;
    std::string description;
    std::string author;
    std::string date;
    std::string web;
    std::string email;
    std::vector<std::unique_ptr<GvCaveDef>> caves;
    // Every cave has this many variant records; the readers set it before the
    // first cave is made.
    int variant_count = 1;
};
