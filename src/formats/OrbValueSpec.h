#pragma once

#include "formats/OrbValueStringTableHolderBase.h"

#include <memory>
#include <string>

struct OrbValue;

// What one value of a keyword line must look like: its kind and, optionally, the
// range it must lie in, or the table its name must come from.
class OrbValueSpec {
public:
    enum class Kind { integer = 0, real = 1, quotedString = 2, enumName = 3, freeWord = 4 };

    static OrbValueSpec integer();
    static OrbValueSpec integer(int min, int max);
    static OrbValueSpec real();
    static OrbValueSpec real(float min, float max);
    static OrbValueSpec quotedString();
    static OrbValueSpec freeWord();
    // With `strict`, a name not in the table is an error; otherwise it gets the
    // table's not-found code.
    static OrbValueSpec enumName(const OrbValueStringTableHolderBase& table, bool strict = true);

    OrbValueSpec(const OrbValueSpec& other);
    OrbValueSpec& operator=(const OrbValueSpec& other);
    OrbValueSpec(OrbValueSpec&&) noexcept = default;
    OrbValueSpec& operator=(OrbValueSpec&&) noexcept = default;
    ~OrbValueSpec() = default;

    Kind kind() const { return kind_; }

    // Parses one trimmed piece. Throws OrbParsingSyntaxException for a piece of the
    // wrong form and OrbParsingRangeException (index -1) for one out of range.
    void parse(const std::string& piece, OrbValue& out) const;

    // The number forms on their own, for readers that meet numbers outside value
    // lists. Both accept only white space around the number and return false for
    // any other text; an integer with more digits than an int holds is out of range.
    enum class NumberResult { ok, syntaxError, outOfRange };
    static NumberResult parseInteger(const std::string& text, int& out);
    static NumberResult parseReal(const std::string& text, float& out);
    // The text between the quotes of a quoted string, or false.
    static bool parseQuoted(const std::string& text, std::string& out);

private:
    explicit OrbValueSpec(Kind kind) : kind_(kind) {}

    Kind kind_;
    bool hasRange_ = false;
    int intMin_ = 0;
    int intMax_ = 0;
    float realMin_ = 0.0f;
    float realMax_ = 0.0f;
    std::unique_ptr<OrbValueStringTableHolderBase> table_;
    bool strict_ = true;
};
