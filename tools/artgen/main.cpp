// The art generator: draws all of the game's pictures and writes them either as
// the C++ source that embeds them or as PNG sheets to look at.
//
//   gravik_artgen --source <file.cpp>
//   gravik_artgen --sheets <folder>
#include "ArtBook.h"
#include "ArtOutput.h"

#include <cstring>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3 ||
        (std::strcmp(argv[1], "--source") != 0 && std::strcmp(argv[1], "--sheets") != 0)) {
        std::cerr << "usage: " << argv[0] << " --source <file.cpp> | --sheets <folder>\n";
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
