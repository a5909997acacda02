#include "sim/GvWorldText.h"

#include "sim/GvBombObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvGrowingWallObject.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

static const char kFireflyChars[4] = {'2', '1', '4', '3'};
static const char kButterflyChars[4] = {'6', '5', '8', '7'};

static constexpr std::string_view kPictureChars = " .rRdDbBcCWwMVHG21436587as*PX@F";

static int directionSlot(int direction) {
    return ((direction % 4) + 4) % 4;
}

char GvWorldText::objectChar(const GvObject& object) {
    switch (object.kind()) {
    case GvObjectKind::space:
        return ' ';
    case GvObjectKind::dirt:
        return '.';
    case GvObjectKind::boulder:
        return object.isFalling() ? 'R' : 'r';
    case GvObjectKind::diamond:
        return object.isFalling() ? 'D' : 'd';
    case GvObjectKind::bomb: {
        const auto* bomb = dynamic_cast<const GvBombObject*>(&object);
        const bool lit = bomb != nullptr && bomb->fuse_end >= 0;
        if (lit) {
            return object.isFalling() ? 'C' : 'c';
        }
        return object.isFalling() ? 'B' : 'b';
    }
    case GvObjectKind::steel_wall:
        return 'W';
    case GvObjectKind::brick_wall:
        return 'w';
    case GvObjectKind::magic_wall:
        return 'M';
    case GvObjectKind::growing_wall: {
        const auto* wall = dynamic_cast<const GvGrowingWallObject*>(&object);
        const int mask = wall != nullptr ? wall->mask : 2;
        return mask == 1 ? 'V' : mask == 2 ? 'H' : 'G';
    }
    case GvObjectKind::firefly: {
        const auto* firefly = dynamic_cast<const GvFireflyObject*>(&object);
        return kFireflyChars[directionSlot(firefly != nullptr ? firefly->direction : 0)];
    }
    case GvObjectKind::butterfly: {
        const auto* butterfly = dynamic_cast<const GvButterflyObject*>(&object);
        return kButterflyChars[directionSlot(butterfly != nullptr ? butterfly->direction : 0)];
    }
    case GvObjectKind::amoeba:
        return 'a';
    case GvObjectKind::slime:
        return 's';
    case GvObjectKind::explosion:
        return '*';
    case GvObjectKind::in_box:
        return 'P';
    case GvObjectKind::out_box:
        return 'X';
    case GvObjectKind::player:
        return '@';
    case GvObjectKind::voodoo_doll:
        return 'F';
    }
    return '?';
}

std::string GvWorldText::format(const GvWorld& world) {
    std::string text;
    text.reserve(static_cast<std::size_t>(world.width + 1) *
                 static_cast<std::size_t>(world.height));
    for (int row = 0; row < world.height; ++row) {
        for (int col = 0; col < world.width; ++col) {
            text += objectChar(*world.cellAt(col, row));
        }
        text += '\n';
    }
    return text;
}

// The object a picture character stands for; null for space, and for a
// character that stands for nothing `known` is cleared.
static std::unique_ptr<GvObject> objectForChar(GvWorld& world, char c, bool& known) {
    using T = GvPackedObjectType;
    known = true;
    auto packed = [&](T type) { return createPackedObject(type, 0, world.cosmetic_random); };
    auto lit = [&](T type) {
        std::unique_ptr<GvObject> bomb = packed(type);
        bomb->ignite(world);
        return bomb;
    };
    switch (c) {
    case ' ':
        return nullptr;
    case '.':
        return packed(T::dirt);
    case 'r':
        return packed(T::boulder);
    case 'R':
        return packed(T::boulder_f);
    case 'd':
        return packed(T::diamond);
    case 'D':
        return packed(T::diamond_f);
    case 'b':
        return packed(T::bomb);
    case 'B':
        return packed(T::bomb_f);
    case 'c':
        return lit(T::bomb);
    case 'C':
        return lit(T::bomb_f);
    case 'W':
        return packed(T::steel_wall);
    case 'w':
        return packed(T::brick_wall);
    case 'M':
        return packed(T::magic_wall);
    case 'V':
        return packed(T::growing_wall_v);
    case 'H':
        return packed(T::growing_wall_h);
    case 'G':
        return packed(T::growing_wall);
    case 'a':
        return packed(T::amoeba);
    case 's':
        return packed(T::slime);
    case '*':
        return createObjectOfKind(GvObjectKind::explosion);
    case 'P':
        return packed(T::in_box);
    case 'X':
        return packed(T::out_box);
    case '@':
        return createObjectOfKind(GvObjectKind::player);
    case 'F':
        return packed(T::voodoo_doll);
    default:
        break;
    }
    for (int i = 0; i < 4; ++i) {
        if (c == kFireflyChars[i]) {
            auto firefly = std::make_unique<GvFireflyObject>(i);
            firefly->randomizeLook(world.cosmetic_random);
            return firefly;
        }
        if (c == kButterflyChars[i]) {
            auto butterfly = std::make_unique<GvButterflyObject>(i);
            butterfly->randomizeLook(world.cosmetic_random);
            return butterfly;
        }
    }
    known = false;
    return nullptr;
}

void GvWorldText::parse(GvWorld& world, std::string_view picture, GvWrapMode wrap) {
    std::vector<std::string_view> rows;
    std::size_t start = 0;
    while (start < picture.size()) {
        std::size_t end = picture.find('\n', start);
        if (end == std::string_view::npos) {
            end = picture.size();
        }
        std::string_view line = picture.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        rows.push_back(line);
        start = end + 1;
    }
    std::size_t width = 0;
    for (std::string_view line : rows) {
        width = std::max(width, line.size());
    }
    // Check the whole picture before the world is touched.
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t col = 0; col < rows[row].size(); ++col) {
            if (kPictureChars.find(rows[row][col]) == std::string_view::npos) {
                throw std::invalid_argument("unknown cave character '" +
                                            std::string(1, rows[row][col]) + "' at column " +
                                            std::to_string(col) + ", row " + std::to_string(row));
            }
        }
    }
    world.reset(static_cast<int>(width), static_cast<int>(rows.size()), wrap);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t col = 0; col < rows[row].size(); ++col) {
            bool known = true;
            std::unique_ptr<GvObject> object = objectForChar(world, rows[row][col], known);
            if (object) {
                world.placeObject(static_cast<int>(col), static_cast<int>(row), std::move(object));
            }
        }
    }
}
