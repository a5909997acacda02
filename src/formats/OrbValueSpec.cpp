#include "formats/OrbValueSpec.h"

#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingSyntaxException.h"
#include "formats/OrbValue.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// The white space that scanf skips.
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// True when nothing but white space lies from `at` to the end.
bool onlySpaceFrom(const std::string& text, std::size_t at) {
    for (; at < text.size(); ++at) {
        if (!isSpace(text[at])) {
            return false;
        }
    }
    return true;
}

} // namespace

OrbValueSpec OrbValueSpec::integer() {
    return OrbValueSpec(Kind::integer);
}

OrbValueSpec OrbValueSpec::integer(int min, int max) {
    OrbValueSpec spec(Kind::integer);
    spec.hasRange_ = true;
    spec.intMin_ = min;
    spec.intMax_ = max;
    return spec;
}

OrbValueSpec OrbValueSpec::real() {
    return OrbValueSpec(Kind::real);
}

OrbValueSpec OrbValueSpec::real(float min, float max) {
    OrbValueSpec spec(Kind::real);
    spec.hasRange_ = true;
    spec.realMin_ = min;
    spec.realMax_ = max;
    return spec;
}

OrbValueSpec OrbValueSpec::quotedString() {
    return OrbValueSpec(Kind::quotedString);
}

OrbValueSpec OrbValueSpec::freeWord() {
    return OrbValueSpec(Kind::freeWord);
}

OrbValueSpec OrbValueSpec::enumName(const OrbValueStringTableHolderBase& table, bool strict) {
    OrbValueSpec spec(Kind::enumName);
    spec.table_ = table.clone();
    spec.strict_ = strict;
    return spec;
}

OrbValueSpec::OrbValueSpec(const OrbValueSpec& other)
    : kind_(other.kind_), hasRange_(other.hasRange_), intMin_(other.intMin_),
      intMax_(other.intMax_), realMin_(other.realMin_), realMax_(other.realMax_),
      table_(other.table_ ? other.table_->clone() : nullptr), strict_(other.strict_) {}

OrbValueSpec& OrbValueSpec::operator=(const OrbValueSpec& other) {
    if (this != &other) {
        OrbValueSpec copy(other);
        *this = std::move(copy);
    }
    return *this;
}

OrbValueSpec::NumberResult OrbValueSpec::parseInteger(const std::string& text, int& out) {
    std::size_t at = 0;
    while (at < text.size() && isSpace(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t firstDigit = at;
    // Accumulating in a wide type with a cap keeps any number of digits harmless.
    long long value = 0;
    bool tooLarge = false;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (!tooLarge) {
            value = value * 10 + (text[at] - '0');
            tooLarge = value > static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (at == firstDigit || !onlySpaceFrom(text, at)) {
        return NumberResult::syntaxError;
    }
    if (negative) {
        value = -value;
    }
    if (tooLarge || value > INT_MAX || value < INT_MIN) {
        return NumberResult::outOfRange;
    }
    out = static_cast<int>(value);
    return NumberResult::ok;
}

OrbValueSpec::NumberResult OrbValueSpec::parseReal(const std::string& text, float& out) {
    // strtof reads exactly the forms that scanf's %f reads.
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const float value = std::strtof(start, &end);
    if (end == start || !onlySpaceFrom(text, static_cast<std::size_t>(end - start))) {
        return NumberResult::syntaxError;
    }
    out = value;
    return NumberResult::ok;
}

bool OrbValueSpec::parseQuoted(const std::string& text, std::string& out) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t' || text[begin] == '\r' ||
                           text[begin] == '\n')) {
        ++begin;
    }
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r' ||
                           text[end - 1] == '\n')) {
        --end;
    }
    if (end - begin < 2 || text[begin] != '"' || text.find('"', begin + 1) != end - 1) {
        return false;
    }
    out.assign(text, begin + 1, end - begin - 2);
    return true;
}

void OrbValueSpec::parse(const std::string& piece, OrbValue& out) const {
    out.kind = kind_;
    switch (kind_) {
    case Kind::integer: {
        const NumberResult result = parseInteger(piece, out.integer);
        if (result == NumberResult::syntaxError) {
            throw OrbParsingSyntaxException();
        }
        if (result == NumberResult::outOfRange ||
            (hasRange_ && (out.integer < intMin_ || out.integer > intMax_))) {
            throw OrbParsingRangeException();
        }
        break;
    }
    case Kind::real:
        if (parseReal(piece, out.real) != NumberResult::ok) {
            throw OrbParsingSyntaxException();
        }
        // Written so that "nan" fails the test too: it would poison every later
        // calculation with the value.
        if (hasRange_ && !(out.real >= realMin_ && out.real <= realMax_)) {
            throw OrbParsingRangeException();
        }
        break;
    case Kind::quotedString:
        if (!parseQuoted(piece, out.text)) {
            throw OrbParsingSyntaxException();
        }
        break;
    case Kind::enumName:
        out.text = piece;
        out.enumType = &table_->enumType();
        if (strict_ && !table_->contains(piece)) {
            throw OrbParsingRangeException();
        }
        out.code = table_->lookup(piece);
        break;
    case Kind::freeWord:
        out.text = piece;
        break;
    }
}
