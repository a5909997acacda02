// Compresses a level pack's text into a C++ source that links it into the program
// as a zlib stream, defining gvStandardPackData():
//   gravik_packembed <pack.grv> <output.cpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>
#include <zlib.h>

static bool readWhole(const char* path, std::vector<unsigned char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gravik_packembed <pack.grv> <output.cpp>\n";
        return 2;
    }
    std::vector<unsigned char> text;
    if (!readWhole(argv[1], text)) {
        std::cerr << "gravik_packembed: cannot read '" << argv[1] << "'\n";
        return 1;
    }
    // An empty resource could never be inflated again (the stream needs a positive
    // size), so it is refused here rather than at every start of the game.
    if (text.empty()) {
        std::cerr << "gravik_packembed: '" << argv[1] << "' is empty\n";
        return 1;
    }

    uLongf packedSize = compressBound(static_cast<uLong>(text.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, text.data(), static_cast<uLong>(text.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        std::cerr << "gravik_packembed: compression failed\n";
        return 1;
    }
    packed.resize(packedSize);

    // Written to a temporary name first so that a failed run leaves no half source
    // for the build to pick up.
    const std::string target = argv[2];
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "// Generated from " << argv[1] << " by gravik_packembed; do not edit.\n"
            << "#include \"standard/GvStandardPack.h\"\n\n"
            << "static const unsigned char kStandardPackBytes[] = {";
        for (std::size_t i = 0; i < packed.size(); ++i) {
            out << (i % 16 == 0 ? "\n    " : " ") << static_cast<int>(packed[i]) << ',';
        }
        out << "\n};\n\n"
            << "static const OrbEmbeddedData kStandardPack{kStandardPackBytes, " << packed.size()
            << ", " << text.size() << "};\n\n"
            << "const OrbEmbeddedData& gvStandardPackData() { return kStandardPack; }\n";
        if (!out.flush()) {
            std::cerr << "gravik_packembed: cannot write '" << temporary << "'\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::cerr << "gravik_packembed: cannot write '" << target << "'\n";
        return 1;
    }
    return 0;
}
