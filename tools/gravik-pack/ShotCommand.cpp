#include "ShotCommand.h"

#include "PackCommand.h"
#include "PackMoves.h"
#include "PackPlayer.h"

#include "game/drawing/GvShotRenderer.h"
#include "graphics/OrbPngWriter.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

constexpr long long kDefaultTile = 32;
constexpr long long kMaxTile = 256;
constexpr long long kMaxTicks = 1000000;
constexpr long long kDefaultSheetTile = 8;
constexpr unsigned char kSheetGrey = 48;

bool writePng(const GvShotRenderer::Picture& picture, const std::string& path, std::string& error) {
    const auto bytes = OrbPngWriter::encode(picture.rgba.data(), picture.width, picture.height);
    if (bytes.empty()) {
        error = "the picture could not be encoded";
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) {
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
    }
    if (!file) {
        error = "cannot write '" + path + "'";
        return false;
    }
    return true;
}

} // namespace

int runShotCommand(const GvLevelPack& pack, int level, const std::vector<std::string>& options,
                   std::ostream& out, std::ostream& err) {
    std::string output;
    std::string input;
    bool haveInput = false;
    bool haveTicks = false;
    long long ticks = 0;
    long long tile = kDefaultTile;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& arg = options[i];
        if (arg != "--out" && arg != "--input" && arg != "--ticks" && arg != "--tile") {
            err << "gravik-pack shot: unknown argument '" << arg << "'.\n";
            return kPackExitUsage;
        }
        const std::string* given = packOptionValue("shot", options, i, err);
        if (given == nullptr) {
            return kPackExitUsage;
        }
        const std::string& value = *given;
        if (arg == "--out") {
            output = value;
        } else if (arg == "--input") {
            input = value;
            haveInput = true;
        } else if (arg == "--ticks") {
            if (!parsePackNumber(value, 0, kMaxTicks, ticks)) {
                err << "gravik-pack shot: --ticks needs a whole number from 0 to " << kMaxTicks
                    << ", not '" << value << "'.\n";
                return kPackExitUsage;
            }
            haveTicks = true;
        } else if (!parsePackNumber(value, 1, kMaxTile, tile)) {
            err << "gravik-pack shot: --tile needs a whole number of pixels from 1 to " << kMaxTile
                << ", not '" << value << "'.\n";
            return kPackExitUsage;
        }
    }
    if (output.empty()) {
        err << "gravik-pack shot: --out FILE.png is required.\n";
        return kPackExitUsage;
    }
    GvInputRecording moves;
    std::string error;
    if (haveInput && !PackMoves::parse(input, moves, error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitUsage;
    }
    const auto world = PackPlayer::build(pack, level, error);
    if (!world) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitUsage;
    }
    // With input and no tick count the picture shows the moment the input ends;
    // without input the level runs with no key pressed.
    if (haveInput) {
        world->startReplay(moves);
        if (!haveTicks) {
            ticks = PackMoves::tickCount(moves);
        }
    }
    long long played = 0;
    for (; played < ticks && !PackPlayer::finished(*world); ++played) {
        PackPlayer::step(*world);
    }

    GvShotRenderer renderer;
    GvShotRenderer::Picture picture;
    if (!renderer.open(error) ||
        !renderer.drawWorld(*world, static_cast<int>(tile), picture, error) ||
        !writePng(picture, output, error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitFailed;
    }
    out << "Wrote " << output << ": level " << pack.levelCode(level) << " after " << played
        << " ticks, " << picture.width << " x " << picture.height << " pixels.\n";
    return kPackExitOk;
}

int runSheetCommand(const GvLevelPack& pack, const std::vector<std::string>& options,
                    std::ostream& out, std::ostream& err) {
    std::string output;
    long long tile = kDefaultSheetTile;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& arg = options[i];
        if (arg != "--out" && arg != "--tile") {
            err << "gravik-pack shot: unknown argument '" << arg << "'.\n";
            return kPackExitUsage;
        }
        const std::string* value = packOptionValue("shot", options, i, err);
        if (value == nullptr) {
            return kPackExitUsage;
        }
        if (arg == "--out") {
            output = *value;
        } else if (!parsePackNumber(*value, 1, kMaxTile, tile)) {
            err << "gravik-pack shot: --tile needs a whole number of pixels from 1 to " << kMaxTile
                << ", not '" << *value << "'.\n";
            return kPackExitUsage;
        }
    }
    if (output.empty()) {
        err << "gravik-pack shot: --out FILE.png is required.\n";
        return kPackExitUsage;
    }
    std::string error;
    GvShotRenderer renderer;
    if (!renderer.open(error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitFailed;
    }
    std::vector<GvShotRenderer::Picture> pictures;
    int cellWidth = 0;
    int cellHeight = 0;
    for (int cave = 0; cave < pack.caveCount(); ++cave) {
        const auto world = PackPlayer::build(pack, cave, error);
        GvShotRenderer::Picture picture;
        if (!world || !renderer.drawWorld(*world, static_cast<int>(tile), picture, error)) {
            err << "gravik-pack shot: " << error << "\n";
            return kPackExitFailed;
        }
        cellWidth = std::max(cellWidth, picture.width);
        cellHeight = std::max(cellHeight, picture.height);
        pictures.push_back(std::move(picture));
    }
    // Cells as large as the largest cave, a cell's width of grey between them, and
    // about half again as many columns as rows.
    const int count = static_cast<int>(pictures.size());
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(1.5 * count))));
    const int rows = (count + columns - 1) / columns;
    const long long gap = tile;
    GvShotRenderer::Picture sheet;
    const long long width = columns * (cellWidth + gap) + gap;
    const long long height = rows * (cellHeight + gap) + gap;
    if (width > GvShotRenderer::kMaxPictureSide || height > GvShotRenderer::kMaxPictureSide ||
        width * height > GvShotRenderer::kMaxPicturePixels) {
        err << "gravik-pack shot: a sheet of " << width << " x " << height
            << " pixels is too large; choose a smaller --tile.\n";
        return kPackExitUsage;
    }
    sheet.width = static_cast<int>(width);
    sheet.height = static_cast<int>(height);
    sheet.rgba.assign(static_cast<std::size_t>(width * height) * 4, kSheetGrey);
    for (std::size_t p = 3; p < sheet.rgba.size(); p += 4) {
        sheet.rgba[p] = 255;
    }
    for (int n = 0; n < count; ++n) {
        const GvShotRenderer::Picture& picture = pictures[static_cast<std::size_t>(n)];
        const long long left = gap + (n % columns) * (cellWidth + gap);
        const long long top = gap + (n / columns) * (cellHeight + gap);
        for (int y = 0; y < picture.height; ++y) {
            const auto from = picture.rgba.begin() + static_cast<long long>(y) * picture.width * 4;
            std::copy(from, from + picture.width * 4,
                      sheet.rgba.begin() + ((top + y) * width + left) * 4);
        }
    }
    if (!writePng(sheet, output, error)) {
        err << "gravik-pack shot: " << error << "\n";
        return kPackExitFailed;
    }
    out << "Wrote " << output << ": " << count << " caves, " << sheet.width << " x " << sheet.height
        << " pixels.\n";
    return kPackExitOk;
}

int runPreviewCommand(const GvLevelPack& pack, int level, const std::vector<std::string>& options,
                      std::ostream& out, std::ostream& err) {
    std::string output;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i] != "--out") {
            err << "gravik-pack preview: unknown argument '" << options[i] << "'.\n";
            return kPackExitUsage;
        }
        const std::string* value = packOptionValue("preview", options, i, err);
        if (value == nullptr) {
            return kPackExitUsage;
        }
        output = *value;
    }
    if (output.empty()) {
        err << "gravik-pack preview: --out FILE.png is required.\n";
        return kPackExitUsage;
    }
    std::string error;
    GvShotRenderer renderer;
    GvShotRenderer::Picture picture;
    if (!renderer.open(error) || !renderer.drawPreview(pack, level, picture, error) ||
        !writePng(picture, output, error)) {
        err << "gravik-pack preview: " << error << "\n";
        return kPackExitFailed;
    }
    out << "Wrote " << output << ": preview of level " << pack.levelCode(level) << ", "
        << picture.width << " x " << picture.height << " pixels.\n";
    return kPackExitOk;
}
