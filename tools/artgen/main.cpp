// The art generator: draws all of the game's pictures and writes them either as
// the C++ source that embeds them or as PNG sheets to look at.
//
//   gravik_artgen --source <file.cpp>
//   gravik_artgen --sheets <folder>
//   gravik_artgen --icons <folder> <name>   (the desktop icon in every size, as
//                                            <folder>/<n>x<n>/apps/<name>.png)
#include "ArtBook.h"
#include "ArtOutput.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The square sizes desktops look for an application icon in.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 96, 128, 256};

int writeIcons(const std::string& folder, const std::string& name) {
    for (const int size : kIconSizes) {
        const ArtPicture icon = drawWindowIcon(size);
        const std::string dir =
            folder + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        // Pictures are stored bottom row first; PNG wants the top row first.
        const std::size_t row = static_cast<std::size_t>(size) * 4;
        std::vector<std::uint8_t> topFirst(icon.bytes.size());
        for (int y = 0; y < size; ++y) {
            std::copy_n(icon.bytes.begin() + static_cast<long>((size - 1 - y) * row), row,
                        topFirst.begin() + static_cast<long>(y * row));
        }
        if (error || !ArtOutput::writePng(dir + "/" + name + ".png", size, size, topFirst)) {
            std::cerr << "artgen: cannot write the icon into " << dir << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--icons") == 0) {
        return writeIcons(argv[2], argv[3]);
    }
    if (argc != 3 ||
        (std::strcmp(argv[1], "--source") != 0 && std::strcmp(argv[1], "--sheets") != 0)) {
        std::cerr << "usage: " << argv[0]
                  << " --source <file.cpp> | --sheets <folder> | --icons <folder> <name>\n";
        return 2;
    }
    const ArtBook book = drawArtBook();
    if (std::strcmp(argv[1], "--source") == 0) {
        return ArtOutput::writeSource(book, argv[2]) ? 0 : 1;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[2], error);
    if (error) {
        std::cerr << "artgen: cannot create " << argv[2] << ": " << error.message() << "\n";
        return 1;
    }
    return ArtOutput::writeSheets(book, argv[2]) ? 0 : 1;
}
