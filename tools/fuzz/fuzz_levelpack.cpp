// Feeds arbitrary bytes to the level-pack reader, in full and header-only mode.
// Every input must end in exactly one of a pack or messages; a pack that is small
// enough is also built level by level and digested, so that what the reader
// accepts is known to be safe to play.

#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbMemoryStream.h"
#include "sim/GvWorld.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Building runs every command in full; a few large fills are fine, thousands of
// them would only make the fuzzer slow.
constexpr std::size_t kMaxCommandsToBuild = 64;
constexpr int kMaxLevelsToBuild = 16;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_levelpack: %s\n", what);
        std::abort();
    }
}

void buildAll(const GvLevelPack& pack) {
    std::size_t commands = 0;
    for (const auto& cave : pack.caves) {
        commands += cave->commands.size();
        for (const auto& variant : cave->variants) {
            commands += variant->commands.size();
        }
    }
    if (commands > kMaxCommandsToBuild || pack.levelCount() > kMaxLevelsToBuild) {
        return;
    }
    GvWorld world;
    for (int level = 0; level < pack.levelCount(); ++level) {
        check(pack.buildLevel(level, world), "a level of a loaded pack did not build");
        std::uint8_t digest[16];
        pack.levelDigest(level, digest);
        pack.demo(level);
    }
    pack.demoLevels();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OrbMemoryStream stream(std::vector<unsigned char>(data, data + size));
    for (const bool headerOnly : {false, true}) {
        stream.seek(0);
        std::vector<std::string> messages;
        const std::unique_ptr<GvLevelPack> pack = loadLevelPack(stream, &messages, headerOnly);
        check((pack == nullptr) != messages.empty(), "neither a pack nor a message (or both)");
        check(messages.size() <= 2, "more than one error reported");
        if (pack && !headerOnly) {
            check(pack->caveCount() > 0, "a pack without caves was accepted");
            buildAll(*pack);
        }
    }
    return 0;
}
