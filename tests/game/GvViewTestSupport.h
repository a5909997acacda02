#pragma once
// A controller on a window layer without a window, with settings and statistics in
// a fresh folder of its own, so that the screen flow can be driven by calls alone.
#include "game/GvView.h"
#include "graphics/OrbViewImpl.h"
#include "platform/GvProductNames.h"
#include "platform/OrbDefaults.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

class FakeViewImpl : public OrbViewImpl {
public:
    bool supportsFullScreen() const override { return true; }
    int liveModifiers() const override { return 0; }
    void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
    bool setFullScreen(bool on) override {
        fullScreen_ = on;
        ++fullScreenChanges;
        return true;
    }
    bool isMaximized() const override { return maximized; }
    OrbWindowRect windowRectangle() const override { return rectangle; }
    void invalidate() override {}
    bool messageBox(int, const std::string&, const std::string& text) override {
        lastMessage = text;
        return true;
    }
    bool openLink(const std::string& link) override {
        openedLinks.push_back(link);
        return linksOpen;
    }
    void close() override { closed = true; }

    int fullScreenChanges = 0;
    bool maximized = false;
    OrbWindowRect rectangle{};
    bool closed = false;
    std::string lastMessage;
    // Whether the desktop takes the addresses handed to openLink.
    bool linksOpen = true;
    std::vector<std::string> openedLinks;
};

// Points the per-user folders at a new temporary folder for each test.
class ViewTestFolder {
public:
    ViewTestFolder() {
        char pattern[] = "/tmp/gravik-view-XXXXXX";
        folder = mkdtemp(pattern);
        setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        setenv("HOME", folder.c_str(), 1);
        // No sound device in tests: the game then simply stays silent.
        setenv("SDL_AUDIODRIVER", "gravik-test-none", 1);
    }
    ~ViewTestFolder() { std::filesystem::remove_all(folder); }

    OrbDefaults settings() const { return OrbDefaults(kGvVendorName, kGvProductName); }

    std::string writeFile(const std::string& name, const std::string& text) const {
        const std::string path = folder + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    std::string folder;
};

// Advances the controller in frame-sized steps.
inline void advanceFor(GvView& view, double seconds) {
    for (double t = 0.0; t < seconds; t += 0.05) {
        view.advance(0.05);
    }
}

// A small pack in the game's own format: two normal caves, the second locked, a
// bonus cave, and a third normal cave that is locked too; two variants; no demos.
inline const char* smallPackText() {
    return "gravik 3\n"
           "variants 2\n"
           "name \"Small\"\n"
           "cave 10, 6\n{\n\tname \"One\"\n\tgame_time 100, 100\n\tdiamond_quota 1, 1\n"
           "\tset 1, 1, in_box\n\tset 8, 4, out_box\n}\n"
           "cave 10, 6\n{\n\tname \"Two\"\n\tlocked\n\tgame_time 100, 100\n\tdiamond_quota 1, 1\n"
           "\tset 1, 1, in_box\n\tset 8, 4, out_box\n}\n"
           "cave 10, 6\n{\n\tname \"Extra\"\n\tintermission\n\tgame_time 100, 100\n"
           "\tdiamond_quota 1, 1\n\tset 1, 1, in_box\n\tset 8, 4, out_box\n}\n"
           "cave 10, 6\n{\n\tname \"Four\"\n\tlocked\n\tgame_time 100, 100\n\tdiamond_quota 1, 1\n"
           "\tset 1, 1, in_box\n\tset 8, 4, out_box\n}\n";
}
