#include "formats/GvLevelPackLoader.h"

#include "formats/GvBdcffParser.h"
#include "formats/GvGrv1Parser.h"
#include "formats/GvGrvParser.h"
#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbStream.h"

GvLevelPackFormat detectLevelPackFormat(OrbStream& stream) {
    const int start = stream.tell();
    std::string first;
    {
        OrbLineReader reader(stream, ";", true);
        reader.readLine(first, true, true);
    }
    stream.seek(start);

    // Detection compares exactly: the readers themselves ignore case later.
    if (first == "[BDCFF]") {
        return GvLevelPackFormat::bdcff;
    }
    const std::size_t space = first.find(' ');
    if (first.substr(0, space) != "gravik") {
        return GvLevelPackFormat::unknown;
    }
    const std::string value = space == std::string::npos ? std::string() : first.substr(space + 1);
    return value == "0" || value == "1" ? GvLevelPackFormat::grv1 : GvLevelPackFormat::grv;
}

namespace {

std::unique_ptr<GvParser> makeParser(GvLevelPackFormat format) {
    switch (format) {
    case GvLevelPackFormat::grv:
        return std::make_unique<GvGrvParser>();
    case GvLevelPackFormat::grv1:
        return std::make_unique<GvGrv1Parser>();
    case GvLevelPackFormat::bdcff:
        return std::make_unique<GvBdcffParser>();
    case GvLevelPackFormat::unknown:
        break;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<GvLevelPack> loadLevelPack(OrbStream& stream, std::vector<std::string>* messages,
                                           bool headerOnly) {
    std::vector<std::string> privateMessages;
    std::vector<std::string>& list = messages != nullptr ? *messages : privateMessages;

    const std::unique_ptr<GvParser> parser = makeParser(detectLevelPackFormat(stream));
    if (!parser) {
        list.push_back(GvParserMessage::kNotRecognized);
        return nullptr;
    }
    std::unique_ptr<GvLevelPack> pack = parser->parse(stream, &list, headerOnly);
    if (pack) {
        pack->assignCaveCodes();
    }
    return pack;
}
