#include "PackSource.h"

#include "formats/GvCorruptException.h"
#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbPaths.h"
#include "platform/OrbStreamException.h"
#include "standard/GvStandardPack.h"

#include <vector>

std::unique_ptr<GvLevelPack> PackSource::load(const std::string& argument, std::string& error) {
    error.clear();
    if (argument == kStandard) {
        try {
            return loadStandardPack();
        } catch (const GvCorruptException&) {
            error = kCorruptInstallation;
            return nullptr;
        }
    }

    const std::string name = fileNamePart(argument);
    const std::unique_ptr<OrbFileStream> stream = OrbFileStream::open(argument, false);
    if (!stream) {
        error = "Unable to open '" + name + "'.";
        return nullptr;
    }
    std::vector<std::string> messages;
    std::unique_ptr<GvLevelPack> pack;
    try {
        pack = loadLevelPack(*stream, &messages, false);
    } catch (const OrbStreamException&) {
        error = "Error reading from '" + name + "'.";
        return nullptr;
    }
    if (!pack) {
        error = "Unable to load '" + name + "':\n";
        for (const std::string& message : messages) {
            error += "\n" + message;
        }
    }
    return pack;
}
