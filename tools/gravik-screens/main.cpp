// gravik-screens FOLDER: opens the game in a window of its own, goes to the start
// box and into the first cave as a player would, and saves both as PNG files
// (FOLDER/start-box.png, FOLDER/cave.png). Settings and statistics go to a
// temporary folder, so the player's own are never touched. Needs a display.
#include "game/GvView.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbPngWriter.h"
#include "graphics/OrbViewImplSingle.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

void runFor(OrbViewImplSingle& impl, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end && impl.isOpen()) {
        impl.loopPass();
    }
}

void press(OrbViewImplSingle& impl, GvView& view, int key, double holdSeconds) {
    view.keyEvent(key, OrbKeyPressed, 0);
    runFor(impl, holdSeconds);
    view.keyEvent(key, OrbKeyReleased, 0);
}

bool save(OrbViewImplSingle& impl, GvView& view, const std::string& path) {
    view.draw();
    OrbGlState::finish();
    const int width = impl.drawableWidth();
    const int height = impl.drawableHeight();
    const std::vector<unsigned char> bottomUp = OrbGlState::readPixels(0, 0, width, height);
    std::vector<unsigned char> pixels(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        std::copy_n(bottomUp.begin() + static_cast<long>((height - 1 - y) * row), row,
                    pixels.begin() + static_cast<long>(y * row));
    }
    // The window shows no alpha; the saved picture should not either.
    for (std::size_t i = 3; i < pixels.size(); i += 4) {
        pixels[i] = 255;
    }
    const std::vector<unsigned char> png = OrbPngWriter::encode(pixels.data(), width, height);
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gravik-screens FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    char pattern[] = "/tmp/gravik-screens-XXXXXX";
    if (error || mkdtemp(pattern) == nullptr) {
        std::cerr << "gravik-screens: cannot make the folders\n";
        return 1;
    }
    const std::string home = pattern;
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    int status = 0;
    {
        OrbViewImplSingle impl("Gravik", 960, 720, OrbWindowNormal);
        GvView view(impl);
        if (!impl.open()) {
            std::cerr << "gravik-screens: no window (is there a display?)\n";
            status = 1;
        } else {
            runFor(impl, 1.0);
            press(impl, view, OrbKeyReturn, 0.05); // START in the title menu
            runFor(impl, 1.0);
            const bool startBox = save(impl, view, folder + "/start-box.png");
            press(impl, view, OrbKeyReturn, 0.05); // START the first cave
            runFor(impl, 3.0);
            press(impl, view, OrbKeyRight, 0.8);
            press(impl, view, OrbKeyDown, 0.5);
            runFor(impl, 0.5);
            const bool cave = save(impl, view, folder + "/cave.png");
            if (!startBox || !cave) {
                std::cerr << "gravik-screens: cannot write into " << folder << "\n";
                status = 1;
            }
        }
    }
    std::filesystem::remove_all(home, error);
    return status;
}
