#pragma once

#include "formats/OrbValueSpec.h"

#include <string>
#include <vector>

struct OrbValue;

// The values a keyword takes: `base` specs, of which the last `tail` may repeat.
// The count of values lies between base + tail × (minRepeats − 1) and
// base + tail × (maxRepeats − 1); with `strictTail` only whole repeats of the tail
// are allowed. (c, 0, 0, 0) takes exactly c values, (1, 1, 1, 9) one to nine.
class OrbValueListSpec {
public:
    // Exactly the given values.
    explicit OrbValueListSpec(std::vector<OrbValueSpec> specs);
    OrbValueListSpec(std::vector<OrbValueSpec> specs, int tail, int minRepeats, int maxRepeats,
                     bool strictTail = false);

    int minCount() const;
    int maxCount() const;

    // Splits `text` at `separator` outside double-quoted sections, trims each piece
    // and parses it with its spec. Throws OrbParsingValueCountException for a wrong
    // count, OrbParsingSyntaxException for a malformed piece and
    // OrbParsingRangeException with the piece's 0-based index for a value not allowed.
    void parseValues(const std::string& text, char separator, std::vector<OrbValue>& out) const;

    // The pieces alone: an empty text gives none.
    static std::vector<std::string> split(const std::string& text, char separator);

private:
    std::vector<OrbValueSpec> specs_;
    int tail_;
    int minRepeats_;
    int maxRepeats_;
    bool strictTail_;
};
