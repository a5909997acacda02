// The program's entry point: opens the window layer, runs the game controller on it
// until the window closes, and ends with a message when the installation's own data
// is damaged.
#include "formats/GvCorruptException.h"
#include "game/GvView.h"
#include "graphics/GvArt.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbTexture.h"
#include "graphics/OrbViewImplSingle.h"

#include <memory>
#include <vector>

namespace {

constexpr const char* kCorruptMessage =
    "This installation of Gravik is corrupt.\nPlease install a fresh copy of Gravik.";

void setIcon(OrbViewImplSingle& impl) {
    const GvArtPicture& icon = GvArt::image(GvArtImage::WindowIcon);
    const std::vector<unsigned char> pixels =
        OrbTexture::inflate(icon.data.bytes, icon.data.compressedSize, icon.data.size);
    impl.setWindowIcon(pixels.data(), icon.width, icon.height);
}

} // namespace

int main() {
    OrbViewImplSingle impl("Gravik", 800, 600, OrbWindowMaximized);
    std::unique_ptr<GvView> view;
    try {
        setIcon(impl);
        view = std::make_unique<GvView>(impl);
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
