#include "PackCommand.h"
#include "PackMoves.h"
#include "PackSource.h"
#include "levelpack/GvLevelPack.h"

#include <cstdio>

static std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

static std::string yesNo(bool value) {
    return value ? "yes" : "no";
}

static std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

static std::string hexDigest(const GvMd5::Digest& digest) {
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}

static int runInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "gravik-pack info: expected one PACK.\n";
        return kPackExitUsage;
    }
    std::string error;
    const auto pack = PackSource::load(args[0], error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    out << "name: " << quoted(pack->name) << "\n"
        << "description: " << quoted(pack->description) << "\n"
        << "author: " << quoted(pack->author) << "\n"
        << "date: " << quoted(pack->date) << "\n"
        << "web: " << quoted(pack->web) << "\n"
        << "email: " << quoted(pack->email) << "\n"
        << "caves: " << pack->caveCount() << ", variants: " << pack->variantCount()
        << ", levels: " << pack->levelCount() << "\n";
    for (int c = 0; c < pack->caveCount(); ++c) {
        const GvCaveDef& cave = *pack->cave(c);
        out << "\ncave " << cave.code << " " << quoted(cave.name) << ": size " << cave.width << "x"
            << cave.height << ", wrap " << wrapModeKeyword(cave.wrap) << ", view "
            << presentationKeyword(cave.view) << ", physics " << physicsKeyword(cave.physics)
            << ", bonus " << yesNo(cave.bonus) << "\n";
        for (int v = 0; v < pack->variantCount(); ++v) {
            const GvCaveVariant* variant = pack->variant(c, v);
            if (variant == nullptr) {
                continue;
            }
            const int level = v * pack->caveCount() + c;
            out << "  variant " << v + 1 << " (" << pack->levelCode(level) << ", level " << level
                << "): tick_rate " << number(variant->tick_rate) << ", game_ticks "
                << variant->game_ticks << ", pre_game_ticks " << variant->pre_game_ticks
                << ", diamond_quota " << variant->diamond_quota << ", bomb_ticks "
                << variant->bomb_ticks << ", amoeba " << variant->amoeba_size_limit << " "
                << static_cast<int>(variant->amoeba_slow_chance) << " "
                << static_cast<int>(variant->amoeba_fast_chance) << " "
                << variant->amoeba_slow_ticks << ", magic_wall_ticks " << variant->magic_wall_ticks
                << ", slime_permeability " << variant->slime_permeability << ", world_seed "
                << variant->world_seed << ", unpack_seed " << variant->unpack_seed << ", locked "
                << yesNo(variant->locked) << ", demo "
                << PackMoves::tickCount(PackMoves::fromDemo(variant->demo)) << " ticks, digest "
                << hexDigest(pack->levelDigest(level)) << "\n";
        }
    }
    return kPackExitOk;
}

const PackCommand& infoCommand() {
    static const PackCommand command{
        "info", "info PACK",
        "      Prints the pack's header texts, then for each cave its code, name, size,\n"
        "      wrap, view, physics and bonus flag, and for each of its variants the\n"
        "      level code and number, the parameters (amoeba: size limit, slow chance,\n"
        "      fast chance, slow ticks), the locked flag, the demo's length in ticks and\n"
        "      the level digest (32 hex digits) that keys the level's statistics.\n",
        runInfo};
    return command;
}
