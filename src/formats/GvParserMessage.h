#pragma once

#include <string>

// The texts with which the level-pack readers report the first error they meet.
// Line numbers are those of the last line read.
class GvParserMessage {
public:
    static std::string syntax(int line);
    static std::string valueCount(int line);
    static std::string invalidValue(int line);
    // `position` counts the line's values from 1.
    static std::string parameter(int position, int line);
    static std::string expectation(const std::string& what);
    static std::string objectCharacter(char c, int line);
    static std::string duplicateMacro(int line);
    static std::string missingMacro(int line);
    static std::string objectCommand(const std::string& command);
    static std::string mapCode(char c);
    static std::string demoCommand(char c);
    static std::string missingCaveTimes(const std::string& cave);
    static std::string missingDiamondQuotas(const std::string& cave);

    static constexpr const char* kNotRecognized =
        "This file is not in a recognized level pack format.";
    static constexpr const char* kUnsupportedVersion = "Unsupported GRV file version.";
    static constexpr const char* kVariantsAfterCave =
        "The variants command can't be used after a cave has been defined.";
    static constexpr const char* kOnlyVariantsAfterVariant =
        "After a variant command has been used, only more variant commands are allowed.";
    static constexpr const char* kVariantAlreadyDefined = "This variant has already been defined.";
    static constexpr const char* kNoStyles = "No styles are available for this object.";
    static constexpr const char* kNoLevels = "The level pack contains no levels.";
    static constexpr const char* kFirstLevelNotSelectable =
        "The first level in the level pack must be selectable (unlocked and not a bonus).";
    static constexpr const char* kMapCodesNotSupported = "MapCodes are not supported.";
    // A pack whose macros multiply into more drawing commands than any cave needs.
    static std::string tooManyCommands(int line);

    static constexpr const char* kGravikCommand = "gravik command";
    static constexpr const char* kOpenBrace = "open brace";
    static constexpr const char* kCloseBrace = "close brace";
};
