#include "standard/GvStandardPack.h"

#include "formats/GvCorruptException.h"
#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbCompressedMemoryReadStream.h"
#include "platform/OrbStreamException.h"

std::unique_ptr<GvLevelPack> loadEmbeddedLevelPack(const OrbEmbeddedData& data,
                                                   std::vector<std::string>* messages) {
    std::unique_ptr<GvLevelPack> pack;
    try {
        OrbCompressedMemoryReadStream stream(data);
        pack = loadLevelPack(stream, messages, false);
    } catch (const OrbStreamException&) {
        throw GvCorruptException();
    }
    if (!pack) {
        throw GvCorruptException();
    }
    return pack;
}

std::unique_ptr<GvLevelPack> loadStandardPack(std::vector<std::string>* messages) {
    return loadEmbeddedLevelPack(gvStandardPackData(), messages);
}
