// The program's entry point: reads the command line, opens the window layer, runs the
// game controller on it until the window closes, and ends with a message when the
// installation's own data is damaged.
#include "formats/GvCorruptException.h"
#include "game/GvCommandLine.h"
#include "game/GvView.h"
#include "graphics/GvArt.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbPictureCodec.h"
#include "graphics/OrbViewImplSingle.h"
#include "platform/GvPackFolders.h"
#include "platform/GvProductNames.h"
#include "platform/OrbDefaults.h"
#include "platform/OrbPaths.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kCorruptMessage =
    "This installation of Gravik is corrupt.\nPlease install a fresh copy of Gravik.";

void setIcon(OrbViewImplSingle& impl) {
    const GvArtPicture& icon = GvArt::image(GvArtImage::WindowIcon);
    const std::vector<unsigned char> pixels = OrbPictureCodec::decode(
        icon.data.bytes, icon.data.compressedSize, icon.width, icon.height, 4);
    impl.setWindowIcon(pixels.data(), icon.width, icon.height);
}

std::string helpText() {
    const OrbDefaults settings(kGvVendorName, kGvProductName);
    return GvCommandLine::help(GvPackFolders::all(), GvPackFolders::user(), settings.filePath(),
                               userDataFolder(kGvVendorName, kGvProductName) + "Statistics/");
}

} // namespace

int main(int argc, char** argv) {
    const GvCommandLine line =
        GvCommandLine::parse(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    switch (line.action) {
    case GvCommandLine::Action::Help:
        std::fputs(helpText().c_str(), stdout);
        return 0;
    case GvCommandLine::Action::Version:
        std::printf("%s\n", GvCommandLine::kVersionText);
        return 0;
    case GvCommandLine::Action::Error:
        std::fprintf(stderr, "gravik: %s\n%s", line.error.c_str(), GvCommandLine::usage().c_str());
        return 2;
    case GvCommandLine::Action::Play:
        break;
    }

    OrbViewImplSingle impl("Gravik", 800, 600, OrbWindowMaximized);
    std::unique_ptr<GvView> view;
    try {
        setIcon(impl);
        view = std::make_unique<GvView>(impl);
        if (line.placement != GvCommandLine::Placement::Stored) {
            view->overridePlacement(line.placement == GvCommandLine::Placement::FullScreen);
        }
        if (!line.packFile.empty()) {
            // Absolute, so that the pack is found again at the next start.
            view->choosePackFile(absolutePath(line.packFile));
        }
    } catch (const GvCorruptException&) {
        impl.messageBox(OrbMessageError, "Gravik", kCorruptMessage);
        return -1;
    } catch (const OrbCorruptDataTextureException&) {
        impl.messageBox(OrbMessageError, "Gravik", kCorruptMessage);
        return -1;
    }
    // Without a window nothing was played: say so rather than end as if all went well.
    const bool ran = impl.run();
    view.reset();
    if (!ran) {
        impl.messageBox(OrbMessageError, "Gravik", "Gravik could not open its window.");
        return 1;
    }
    return 0;
}
