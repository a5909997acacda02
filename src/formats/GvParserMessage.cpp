#include "formats/GvParserMessage.h"

namespace {

std::string onLine(const char* before, int line, const char* after) {
    return before + std::to_string(line) + after;
}

} // namespace

std::string GvParserMessage::syntax(int line) {
    return onLine("Syntax error on line ", line, ".");
}

std::string GvParserMessage::valueCount(int line) {
    return onLine("Wrong number of values on line ", line, ".");
}

std::string GvParserMessage::invalidValue(int line) {
    return onLine("Invalid value on line ", line, ".");
}

std::string GvParserMessage::parameter(int position, int line) {
    return "Parameter " + std::to_string(position) + " on line " + std::to_string(line) +
           " is invalid.";
}

std::string GvParserMessage::expectation(const std::string& what) {
    return "Expected " + what + ".";
}

std::string GvParserMessage::objectCharacter(char c, int line) {
    return std::string("Invalid object character '") + c + "' on line " + std::to_string(line) +
           ".";
}

std::string GvParserMessage::duplicateMacro(int line) {
    return onLine("Duplicate macro definition on line ", line, ".");
}

std::string GvParserMessage::missingMacro(int line) {
    return onLine("Call to an unknown macro on line ", line, ".");
}

std::string GvParserMessage::objectCommand(const std::string& command) {
    return "Unknown object command '" + command + "'.";
}

std::string GvParserMessage::mapCode(char c) {
    return std::string("Unknown map code '") + c + "'.";
}

std::string GvParserMessage::demoCommand(char c) {
    return std::string("Unknown demo command '") + c + "'.";
}

std::string GvParserMessage::missingCaveTimes(const std::string& cave) {
    return "Cave " + cave + " doesn't have enough cave times.";
}

std::string GvParserMessage::missingDiamondQuotas(const std::string& cave) {
    return "Cave " + cave + " doesn't have enough diamond quotas.";
}

std::string GvParserMessage::tooManyCommands(int line) {
    return onLine("Too many drawing commands on line ", line, ".");
}
