#include "formats/GvParser.h"

#include "formats/GvParserMessage.h"
#include "formats/OrbLineReader.h"
#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbParsingValueCountException.h"
#include "levelpack/GvLevelPack.h"

std::unique_ptr<GvLevelPack>
GvParser::runGuarded(std::vector<std::string>& messages, const OrbLineReader& reader,
                     const std::function<std::unique_ptr<GvLevelPack>()>& body) {
    try {
        return body();
    } catch (const std::string& message) {
        messages.push_back(message);
    } catch (bool) {
    } catch (const OrbParsingSyntaxException&) {
        messages.push_back(GvParserMessage::syntax(reader.lineCount()));
    } catch (const OrbParsingValueCountException&) {
        messages.push_back(GvParserMessage::valueCount(reader.lineCount()));
    } catch (const OrbParsingRangeException& e) {
        messages.push_back(e.index < 0
                               ? GvParserMessage::invalidValue(reader.lineCount())
                               : GvParserMessage::parameter(e.index + 1, reader.lineCount()));
    } catch (const OrbParsingException&) {
        messages.push_back(GvParserMessage::syntax(reader.lineCount()));
    }
    return nullptr;
}

void GvParser::validate(const GvLevelPack& pack) {
    if (pack.caveCount() == 0 || pack.variantCount() <= 0) {
        throw std::string(GvParserMessage::kNoLevels);
    }
    const GvCaveDef& first = *pack.caves.front();
    const GvCaveVariant* firstVariant = first.variant(0);
    if (first.bonus || (firstVariant != nullptr && firstVariant->locked)) {
        throw std::string(GvParserMessage::kFirstLevelNotSelectable);
    }
}
