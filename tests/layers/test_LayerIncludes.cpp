// Keeps the layers honest: every layer sees the whole of src/ on its include
// path, so only this check stops a lower layer from including a higher one. The
// generated data in assets/ counts as two more layers: the artwork beside
// graphics, the built-in pack above formats; the game and the program use both.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layers each layer may include, its own among them.
const std::map<std::string, std::set<std::string>>& allowedIncludes() {
    static const std::map<std::string, std::set<std::string>> table = {
        {"platform", {"platform"}},
        {"sim", {"platform", "sim"}},
        {"levelpack", {"platform", "sim", "levelpack"}},
        {"formats", {"platform", "sim", "levelpack", "formats"}},
        {"audio", {"platform", "audio"}},
        {"graphics", {"platform", "graphics"}},
        {"ui", {"platform", "graphics", "ui"}},
        {"art", {"platform", "art"}},
        {"standard", {"platform", "sim", "levelpack", "formats", "standard"}},
        {"game",
         {"platform", "sim", "levelpack", "formats", "audio", "graphics", "ui", "art", "standard",
          "game"}},
        {"app",
         {"platform", "sim", "levelpack", "formats", "audio", "graphics", "ui", "art", "standard",
          "game", "app"}},
    };
    return table;
}

// One line per include that reaches above its layer (or into an unknown one),
// as "file:line: includes layer/...", the file named from the project root. The
// layers are the folders of src/ and assets/.
std::vector<std::string> layerViolations(const fs::path& projectRoot) {
    static const std::regex include(R"(^\s*#\s*include\s*"([a-z]+)/[^"]*")");
    std::vector<std::string> found;
    for (const auto& [layer, allowed] : allowedIncludes()) {
        for (const char* home : {"src", "assets"}) {
            const fs::path folder = projectRoot / home / layer;
            if (!fs::is_directory(folder)) {
                continue;
            }
            for (const auto& entry : fs::recursive_directory_iterator(folder)) {
                if (!entry.is_regular_file()) {
                    continue;
                }
                std::ifstream in(entry.path());
                std::string line;
                for (int number = 1; std::getline(in, line); ++number) {
                    std::smatch match;
                    if (std::regex_search(line, match, include) && !allowed.count(match[1].str())) {
                        found.push_back(fs::relative(entry.path(), projectRoot).string() + ":" +
                                        std::to_string(number) + ": includes " + match[1].str() +
                                        "/...");
                    }
                }
            }
        }
    }
    return found;
}

} // namespace

TEST(LayerIncludes, NoLayerIncludesAHigherOne) {
    const std::vector<std::string> violations = layerViolations(GRAVIK_SOURCE_DIR);
    std::string report;
    for (const std::string& v : violations) {
        report += v + "\n";
    }
    EXPECT_TRUE(violations.empty()) << report;
}

TEST(LayerIncludes, NamesTheFileAndLineOfAnUpwardInclude) {
    const fs::path root = fs::temp_directory_path() / "gravik-layer-check";
    fs::remove_all(root);
    fs::create_directories(root / "src" / "sim" / "inner");
    fs::create_directories(root / "src" / "ui");
    fs::create_directories(root / "src" / "game");
    fs::create_directories(root / "assets" / "standard");
    std::ofstream(root / "src" / "sim" / "inner" / "Bad.h")
        << "#pragma once\n#include \"sim/Ok.h\"\n"
        << "  #  include \"game/GvView.h\"\n";
    std::ofstream(root / "src" / "ui" / "Mixed.cpp") << "#include \"graphics/OrbView.h\"\n"
                                                     << "#include <sim/NotOurs.h>\n"
                                                     << "#include \"standard/GvStandardPack.h\"\n";
    std::ofstream(root / "src" / "game" / "Fine.cpp") << "#include \"art/GvArt.h\"\n";
    std::ofstream(root / "assets" / "standard" / "Pack.cpp") << "#include \"formats/Ok.h\"\n"
                                                             << "#include \"ui/OrbControl.h\"\n";
    const std::vector<std::string> violations = layerViolations(root);
    fs::remove_all(root);
    EXPECT_EQ(violations, (std::vector<std::string>{
                              "src/sim/inner/Bad.h:3: includes game/...",
                              "assets/standard/Pack.cpp:2: includes ui/...",
                              "src/ui/Mixed.cpp:3: includes standard/...",
                          }));
}
