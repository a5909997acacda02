#include "ArtOutput.h"

#include "ArtFont.h"

#include "graphics/OrbPictureCodec.h"

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

static std::vector<std::uint8_t> compressed(const std::vector<std::uint8_t>& raw) {
    uLongf size = compressBound(raw.size());
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, raw.data(), raw.size(), 9) != Z_OK) {
        return {};
    }
    out.resize(size);
    return out;
}

static int channelsOf(ArtFormat format) {
    return format == ArtFormat::Alpha ? 1 : format == ArtFormat::LuminanceAlpha ? 2 : 4;
}

static const char* formatName(ArtFormat format) {
    switch (format) {
    case ArtFormat::Alpha:
        return "GvArtFormat::Alpha";
    case ArtFormat::LuminanceAlpha:
        return "GvArtFormat::LuminanceAlpha";
    case ArtFormat::Rgba:
        return "GvArtFormat::Rgba";
    }
    return "GvArtFormat::Rgba";
}

// Every entry needs pictures, and a set's frames must agree in format and
// size, since the game reads one format and size per set.
static bool checkBook(const ArtBook& book) {
    for (const std::vector<ArtEntry>* list : {&book.images, &book.sets}) {
        for (const ArtEntry& e : *list) {
            if (e.frames.empty()) {
                std::cerr << "artgen: " << e.name << " has no pictures\n";
                return false;
            }
            for (const ArtPicture& f : e.frames) {
                const std::size_t bpp = f.format == ArtFormat::Alpha            ? 1
                                        : f.format == ArtFormat::LuminanceAlpha ? 2
                                                                                : 4;
                if (f.format != e.frames.front().format || f.width != e.frames.front().width ||
                    f.height != e.frames.front().height ||
                    f.bytes.size() != bpp * f.width * f.height) {
                    std::cerr << "artgen: the pictures of " << e.name << " do not agree\n";
                    return false;
                }
            }
        }
    }
    return true;
}

// Writes `bytes` beside `path` and renames, so an interrupted run never leaves a
// half-written file that looks complete.
static bool writeWhole(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".part";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << bytes;
        if (!file.good()) {
            std::cerr << "artgen: cannot write " << temp << "\n";
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::cerr << "artgen: cannot rename " << temp << " to " << path << "\n";
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

// A file name the generated source can quote as it is: no quotes, backslashes
// or line breaks, which would need escaping twice (C++ string, then assembler).
static bool plainPath(const std::string& text) {
    return text.find_first_of("\"\\\n\r") == std::string::npos;
}

std::string ArtOutput::blobPath(const std::string& sourcePath) {
    return std::filesystem::path(sourcePath).replace_extension(".bin").string();
}

bool ArtOutput::writeSource(const ArtBook& book, const std::string& path) {
    if (!checkBook(book)) {
        return false;
    }
    // Every stream goes into one binary file that the assembler includes as it
    // is; the source only holds the tables of offsets and sizes.
    std::string blob;
    // The frames of a set are coded against the decoded frame before them.
    std::vector<std::uint8_t> previous;
    auto append = [&](const ArtEntry& entry, const ArtPicture& pic, std::size_t& offset,
                      std::size_t& size) {
        const bool painted = pic.format == ArtFormat::Rgba && !entry.exact;
        std::vector<std::uint8_t> decoded;
        const std::vector<std::uint8_t> z = OrbPictureCodec::encode(
            pic.bytes.data(), pic.width, pic.height, channelsOf(pic.format),
            painted ? (entry.tiles ? kTileBound : kPaintedBound) : 0, painted ? kClearBound : 0,
            painted ? kAlphaBound : 0, &decoded, previous.empty() ? nullptr : previous.data());
        previous = std::move(decoded);
        if (z.empty()) {
            std::cerr << "artgen: cannot compress " << entry.name << "\n";
            return false;
        }
        offset = blob.size();
        size = z.size();
        blob.append(z.begin(), z.end());
        return true;
    };
    std::ostringstream tables;
    tables << "extern const GvArtPicture gvArtImageTable[] = {\n";
    for (const ArtEntry& entry : book.images) {
        const ArtPicture& pic = entry.frames.front();
        previous.clear();
        std::size_t offset = 0, size = 0;
        if (!append(entry, pic, offset, size)) {
            return false;
        }
        tables << "    {{gvArtBlob + " << offset << ", " << size << ", " << pic.bytes.size()
               << "}, " << formatName(pic.format) << ", " << pic.width << ", " << pic.height
               << "}, // " << entry.name << "\n";
    }
    tables << "};\nextern const int gvArtImageCount = " << book.images.size() << ";\n\n";
    std::ostringstream sets;
    sets << "extern const GvArtFrames gvArtSetTable[] = {\n";
    for (std::size_t s = 0; s < book.sets.size(); ++s) {
        const ArtEntry& entry = book.sets[s];
        tables << "static const OrbEmbeddedData set" << s << "[] = {\n";
        previous.clear();
        for (const ArtPicture& frame : entry.frames) {
            std::size_t offset = 0, size = 0;
            if (!append(entry, frame, offset, size)) {
                return false;
            }
            tables << "    {gvArtBlob + " << offset << ", " << size << ", " << frame.bytes.size()
                   << "},\n";
        }
        tables << "};\n";
        const ArtPicture& first = entry.frames.front();
        sets << "    {set" << s << ", " << entry.frames.size() << ", " << formatName(first.format)
             << ", " << first.width << ", " << first.height << "}, // " << entry.name << "\n";
    }
    sets << "};\nextern const int gvArtSetCount = " << book.sets.size() << ";\n";

    const std::string blobFile = std::filesystem::absolute(blobPath(path)).string();
    if (!plainPath(blobFile)) {
        std::cerr << "artgen: cannot name " << blobFile << " in a source\n";
        return false;
    }
    // The checksum makes the source differ whenever the included bytes do, so
    // that compiler caches never hand out an object with the old pictures.
    const uLong sum =
        crc32(0L, reinterpret_cast<const Bytef*>(blob.data()), static_cast<uInt>(blob.size()));
    std::ostringstream out;
    out << "// Generated by the art generator; do not edit.\n"
           "#include \"art/GvArt.h\"\n\n"
           "extern \"C\" const unsigned char gvArtBlob[];\n"
           "__asm__(\".pushsection .rodata\\n\"\n"
           "        \".balign 16\\n\"\n"
           "        \".globl gvArtBlob\\n\"\n"
           "        \".hidden gvArtBlob\\n\"\n"
           "        \"gvArtBlob:\\n\"\n"
           "        \".incbin "
        << "\\\"" << blobFile << "\\\" /* " << blob.size() << " bytes, crc32 " << std::hex << sum
        << std::dec
        << " */\\n\"\n"
           "        \".popsection\\n\");\n\n"
        << tables.str() << sets.str();
    return writeWhole(blobFile, blob) && writeWhole(path, out.str());
}

static void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> s));
    }
}

static void putChunk(std::vector<std::uint8_t>& out, const char* type,
                     const std::vector<std::uint8_t>& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

bool ArtOutput::writePng(const std::string& path, int width, int height,
                         const std::vector<std::uint8_t>& rgba) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height) * (width * 4 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * width * 4;
        raw.insert(raw.end(), row, row + width * 4);
    }
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, width);
    putBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", compressed(raw));
    putChunk(png, "IEND", {});
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return file.good();
}

// A picture decoded to straight-alpha colour, rows top first.
struct Preview {
    int w = 0, h = 0;
    std::vector<C4> px;
    C4& at(int x, int y) { return px[static_cast<std::size_t>(y) * w + x]; }
    const C4& at(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }
};

static Preview decode(const ArtPicture& pic) {
    Preview out{pic.width, pic.height,
                std::vector<C4>(static_cast<std::size_t>(pic.width) * pic.height)};
    for (int y = 0; y < pic.height; ++y) {
        for (int x = 0; x < pic.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * pic.width + x;
            C4 c;
            switch (pic.format) {
            case ArtFormat::Alpha:
                c = {{1, 1, 1}, pic.bytes[i] / 255.0f};
                break;
            case ArtFormat::LuminanceAlpha: {
                const float l = pic.bytes[i * 2] / 255.0f;
                c = {{l, l, l}, pic.bytes[i * 2 + 1] / 255.0f};
                break;
            }
            case ArtFormat::Rgba:
                c = {{pic.bytes[i * 4] / 255.0f, pic.bytes[i * 4 + 1] / 255.0f,
                      pic.bytes[i * 4 + 2] / 255.0f},
                     pic.bytes[i * 4 + 3] / 255.0f};
                break;
            }
            out.at(x, pic.height - 1 - y) = c; // stored bottom row first
        }
    }
    return out;
}

// Halves a preview with a box filter in premultiplied colour, as mipmaps do.
static Preview halve(const Preview& in) {
    Preview out{in.w / 2, in.h / 2,
                std::vector<C4>(static_cast<std::size_t>(in.w / 2) * (in.h / 2))};
    for (int y = 0; y < out.h; ++y) {
        for (int x = 0; x < out.w; ++x) {
            V3 sum{0, 0, 0};
            float a = 0;
            for (int k = 0; k < 4; ++k) {
                const C4& p = in.at(x * 2 + k % 2, y * 2 + k / 2);
                sum = sum + p.c * p.a;
                a += p.a;
            }
            out.at(x, y) = a > 0 ? C4{sum * (1 / a), a / 4} : C4{{0, 0, 0}, 0};
        }
    }
    return out;
}

static Preview scaledTo(const ArtPicture& pic, int width) {
    Preview p = decode(pic);
    while (p.w > width && p.w % 2 == 0) {
        p = halve(p);
    }
    return p;
}

// The sheet being composed, opaque, rows top first.
struct Sheet {
    int w, h;
    std::vector<V3> px;
    Sheet(int width, int height, V3 fill)
        : w(width), h(height), px(static_cast<std::size_t>(width) * height, fill) {}
    void checker(int x0, int y0, int cw, int ch) {
        for (int y = std::max(0, y0); y < std::min(h, y0 + ch); ++y) {
            for (int x = std::max(0, x0); x < std::min(w, x0 + cw); ++x) {
                const bool odd = (((x - x0) / 8) + ((y - y0) / 8)) % 2;
                px[static_cast<std::size_t>(y) * w + x] =
                    odd ? V3{0.24f, 0.24f, 0.27f} : V3{0.16f, 0.16f, 0.18f};
            }
        }
    }
    // Draws (a part of) a preview with its top-left at (x0, y0); the part is
    // given in preview pixels, 'mirror' flips it left to right.
    void blit(const Preview& p, int x0, int y0, int sx = 0, int sy = 0, int sw = -1, int sh = -1,
              bool mirror = false) {
        if (sw < 0) {
            sw = p.w;
        }
        if (sh < 0) {
            sh = p.h;
        }
        for (int y = 0; y < sh; ++y) {
            for (int x = 0; x < sw; ++x) {
                const int dx = x0 + x, dy = y0 + y;
                if (dx < 0 || dy < 0 || dx >= w || dy >= h) {
                    continue;
                }
                const int fromX = sx + (mirror ? sw - 1 - x : x), fromY = sy + y;
                if (fromX < 0 || fromY < 0 || fromX >= p.w || fromY >= p.h) {
                    continue;
                }
                const C4& c = p.at(fromX, fromY);
                V3& d = px[static_cast<std::size_t>(dy) * w + dx];
                d = mix(d, c.c, c.a);
            }
        }
    }
    void text(const std::string& s, int x, int y, float size) {
        ArtCanvas c(w, static_cast<int>(size) + 2);
        ArtFont::drawText(c, s, {static_cast<float>(x), 1}, size, {0.9f, 0.85f, 0.6f});
        for (int yy = 0; yy < c.height(); ++yy) {
            const int dy = y + (c.height() - 1 - yy);
            if (dy < 0 || dy >= h) {
                continue;
            }
            for (int xx = 0; xx < w; ++xx) {
                const C4& p = c.at(xx, yy);
                V3& d = px[static_cast<std::size_t>(dy) * w + xx];
                d = mix(d, p.c, p.a);
            }
        }
    }
    bool save(const std::string& path) const {
        std::vector<std::uint8_t> rgba;
        rgba.reserve(px.size() * 4);
        for (const V3& c : px) {
            rgba.push_back(static_cast<std::uint8_t>(std::lround(clamp01(c.x) * 255)));
            rgba.push_back(static_cast<std::uint8_t>(std::lround(clamp01(c.y) * 255)));
            rgba.push_back(static_cast<std::uint8_t>(std::lround(clamp01(c.z) * 255)));
            rgba.push_back(255);
        }
        return ArtOutput::writePng(path, w, h, rgba);
    }
};

// Lays out one entry: its frames in rows, tiles shown repeated 2 x 2.
struct EntryLayout {
    int cellW, cellH, perRow, rows;
};
static EntryLayout layoutOf(const ArtEntry& e, int maxWidth) {
    const ArtPicture& f = e.frames.front();
    const int rep = e.tiles ? 2 : 1;
    EntryLayout l{f.width * rep + 8, f.height * rep + 8, 1, 1};
    l.perRow = std::max(1, std::min(static_cast<int>(e.frames.size()), maxWidth / l.cellW));
    l.rows = (static_cast<int>(e.frames.size()) + l.perRow - 1) / l.perRow;
    return l;
}

static void drawEntry(Sheet& sheet, const ArtEntry& e, const EntryLayout& l, int x0, int y0) {
    for (std::size_t i = 0; i < e.frames.size(); ++i) {
        const int x = x0 + static_cast<int>(i % l.perRow) * l.cellW;
        const int y = y0 + static_cast<int>(i / l.perRow) * l.cellH;
        const Preview p = decode(e.frames[i]);
        sheet.checker(x, y, l.cellW - 8, l.cellH - 8);
        const int rep = e.tiles ? 2 : 1;
        for (int ty = 0; ty < rep; ++ty) {
            for (int tx = 0; tx < rep; ++tx) {
                sheet.blit(p, x + tx * p.w, y + ty * p.h);
            }
        }
    }
}

static bool writeEntrySheet(const ArtEntry& e, const std::string& path) {
    const int maxWidth = e.frames.front().width >= 512 ? 2200 : 1600;
    const EntryLayout l = layoutOf(e, maxWidth);
    Sheet sheet(l.perRow * l.cellW + 8, l.rows * l.cellH + 8, {0.1f, 0.1f, 0.12f});
    drawEntry(sheet, e, l, 8, 8);
    return sheet.save(path);
}

// Pictures of the kinds the scene shows, in the renderer's quarter-tile rules.
static bool drawScene(const ArtBook& book, int tile, const std::string& path) {
    // A cell whose picture the book lacks stays empty.
    auto find = [&](const char* name) -> const ArtEntry* {
        for (const std::vector<ArtEntry>* list : {&book.sets, &book.images}) {
            for (const ArtEntry& e : *list) {
                if (e.name == name && !e.frames.empty()) {
                    return &e;
                }
            }
        }
        return nullptr;
    };
    // A small cave: W steel, w brick, . dirt, o boulder, * diamond, b bomb,
    // f firefly, y butterfly, a amoeba, s slime, P player, v voodoo doll, ' ' space.
    const char* rows[] = {"WWWWWWWWWWWWWWWW", "W...o..*.aa....W", "W.o*o...aaaa.o.W",
                          "W..ww.P....*.ooW", "W...w  f   y ..W", "Wo.wwww.b.....*W",
                          "W..  ss  .ooo..W", "W.*..ss.v.o*o.fW", "WWWWWWWWWWWWWWWW"};
    const int cols = 16, nrows = 9;
    Sheet sheet(cols * tile, nrows * tile, {0.02f, 0.02f, 0.03f});
    for (int r = 0; r < nrows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int x = c * tile, y = r * tile;
            // Tiled kinds show the quarter of their picture chosen by the
            // cell's parity (preview rows run top first).
            const int qx = (c % 2) * tile, qy = (r % 2 == 0) ? tile : 0;
            auto draw = [&](const char* name, int index, bool tiled, bool mirror = false) {
                const ArtEntry* e = find(name);
                if (!e) {
                    return;
                }
                const ArtPicture& pic =
                    e->frames[static_cast<std::size_t>(index) % e->frames.size()];
                if (tiled) {
                    sheet.blit(scaledTo(pic, tile * 2), x, y, qx, qy, tile, tile);
                } else {
                    sheet.blit(scaledTo(pic, tile), x, y, 0, 0, -1, -1, mirror);
                }
            };
            switch (rows[r][c]) {
            case 'W':
                draw("SteelWall", 0, false);
                break;
            case 'w':
                draw("BrickWall", 1, true);
                break;
            case '.':
                draw("Dirt", 0, true);
                break;
            case 'o':
                draw("Boulder", c * 7 + r * 3, false);
                break;
            case '*':
                draw("Diamond", c + r, false);
                break;
            case 'b':
                draw("Bomb", 21, false);
                break;
            case 'f':
                draw("Firefly", 5, false, c > 8);
                break;
            case 'y':
                draw("Butterfly", 3, false);
                break;
            case 'a':
                draw("Amoeba", 3, true);
                break;
            case 's':
                draw("Slime", 4, false);
                break;
            case 'P':
                draw("Player", 0, false);
                break;
            case 'v':
                draw("VoodooDoll", 0, false);
                break;
            default:
                break;
            }
        }
    }
    return sheet.save(path);
}

bool ArtOutput::writeSheets(const ArtBook& book, const std::string& folder) {
    bool ok = true;
    std::vector<const ArtEntry*> all;
    for (const std::vector<ArtEntry>* list : {&book.images, &book.sets}) {
        for (const ArtEntry& e : *list) {
            if (!e.frames.empty()) {
                all.push_back(&e);
            }
        }
    }
    const int width = 2200;
    int height = 8;
    for (const ArtEntry* e : all) {
        height += 34 + layoutOf(*e, width - 16).rows * layoutOf(*e, width - 16).cellH + 8;
    }
    Sheet sheet(width, height, {0.1f, 0.1f, 0.12f});
    int y = 8;
    for (const ArtEntry* e : all) {
        const EntryLayout l = layoutOf(*e, width - 16);
        sheet.text(e->name + "  " + std::to_string(e->frames.size()), 8, y, 26);
        y += 34;
        drawEntry(sheet, *e, l, 8, y);
        y += l.rows * l.cellH + 8;
        ok = writeEntrySheet(*e, folder + "/" + e->name + ".png") && ok;
    }
    ok = sheet.save(folder + "/contact-sheet.png") && ok;
    ok = drawScene(book, 64, folder + "/scene-64.png") && ok;
    // Lettering at the sizes the menus and the status line use.
    Sheet text(1200, 330, {0.05f, 0.05f, 0.08f});
    int ty = 8;
    for (float size : {12.0f, 16.0f, 22.0f, 30.0f, 44.0f}) {
        std::string sample = "START OPTIONS 0123456789 ";
        for (int code = 16; code <= 31; ++code) {
            sample += static_cast<char>(code);
        }
        text.text(sample, 8, ty, size);
        ty += static_cast<int>(size * 1.3f) + 8;
    }
    text.text("THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG! (LEVEL 3: 42%) [A-Z] #$&*+=@^_", 8, ty,
              26);
    ok = text.save(folder + "/text.png") && ok;
    ok = drawScene(book, 32, folder + "/scene-32.png") && ok;
    if (!ok) {
        std::cerr << "artgen: cannot write the sheets into " << folder << "\n";
    }
    return ok;
}
