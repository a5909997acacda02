#include "PackCommand.h"
#include "PackLevel.h"
#include "PackSource.h"
#include "ShotPicture.h"

#include "game/GvShotRenderer.h"
#include "levelpack/GvLevelPack.h"

static int runPreview(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
    std::vector<std::string> positional;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--out") {
            if (i + 1 >= args.size()) {
                err << "gravik-pack preview: --out needs a value.\n";
                return kPackExitUsage;
            }
            output = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "gravik-pack preview: unknown option '" << arg << "'.\n";
            return kPackExitUsage;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        err << "gravik-pack preview: expected PACK LEVEL.\n";
        return kPackExitUsage;
    }
    if (output.empty()) {
        err << "gravik-pack preview: --out FILE.png is required.\n";
        return kPackExitUsage;
    }
    std::string error;
    const auto pack = PackSource::load(positional[0], error);
    if (!pack) {
        err << error << "\n";
        return kPackExitFailed;
    }
    const int level = PackLevel::parse(*pack, positional[1], error);
    if (level < 0) {
        err << "gravik-pack preview: " << error << "\n";
        return kPackExitUsage;
    }
    GvShotRenderer renderer;
    GvShotRenderer::Picture picture;
    if (!renderer.open(error) || !renderer.drawPreview(*pack, level, picture, error) ||
        !writePicturePng(picture, output, error)) {
        err << "gravik-pack preview: " << error << "\n";
        return kPackExitFailed;
    }
    out << "Wrote " << output << ": preview of level " << pack->levelCode(level) << ", "
        << picture.width << " x " << picture.height << " pixels.\n";
    return kPackExitOk;
}

const PackCommand& previewCommand() {
    static const PackCommand command{
        "preview", "preview PACK LEVEL --out FILE.png",
        "      Writes the 512 x 256 picture that the start box shows for the level:\n"
        "      the cave at its start, every object at rest, letter-boxed with\n"
        "      transparent bars. Needs a display: on a machine without one run it\n"
        "      under xvfb-run.\n",
        runPreview};
    return command;
}
