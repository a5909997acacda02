#include "formats/OrbValueListSpec.h"

#include "formats/OrbParsingRangeException.h"
#include "formats/OrbParsingValueCountException.h"
#include "formats/OrbValue.h"

namespace {

std::string trimmed(const std::string& text, std::size_t begin, std::size_t end) {
    const auto isTrim = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (begin < end && isTrim(text[begin])) {
        ++begin;
    }
    while (end > begin && isTrim(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

} // namespace

OrbValueListSpec::OrbValueListSpec(std::vector<OrbValueSpec> specs)
    : OrbValueListSpec(std::move(specs), 0, 0, 0) {}

OrbValueListSpec::OrbValueListSpec(std::vector<OrbValueSpec> specs, int tail, int minRepeats,
                                   int maxRepeats, bool strictTail)
    : specs_(std::move(specs)), tail_(tail), minRepeats_(minRepeats), maxRepeats_(maxRepeats),
      strictTail_(strictTail) {}

int OrbValueListSpec::minCount() const {
    return static_cast<int>(specs_.size()) + tail_ * (minRepeats_ - 1);
}

int OrbValueListSpec::maxCount() const {
    return static_cast<int>(specs_.size()) + tail_ * (maxRepeats_ - 1);
}

std::vector<std::string> OrbValueListSpec::split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    if (text.empty()) {
        return pieces;
    }
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            pieces.push_back(trimmed(text, start, i));
            start = i + 1;
        }
    }
    pieces.push_back(trimmed(text, start, text.size()));
    return pieces;
}

void OrbValueListSpec::parseValues(const std::string& text, char separator,
                                   std::vector<OrbValue>& out) const {
    const std::vector<std::string> pieces = split(text, separator);
    const int count = static_cast<int>(pieces.size());
    const int low = minCount();
    const int high = maxCount();
    if (count < low || count > high || (strictTail_ && tail_ > 0 && (count - low) % tail_ != 0)) {
        throw OrbParsingValueCountException();
    }
    const int base = static_cast<int>(specs_.size());
    out.assign(pieces.size(), OrbValue());
    for (int j = 0; j < count; ++j) {
        // Past the base specs, the last `tail` specs repeat.
        const int e = j < base ? j : base - tail_ + (j - base) % tail_;
        try {
            specs_[static_cast<std::size_t>(e)].parse(pieces[static_cast<std::size_t>(j)],
                                                      out[static_cast<std::size_t>(j)]);
        } catch (const OrbParsingRangeException&) {
            throw OrbParsingRangeException(j);
        }
    }
}
