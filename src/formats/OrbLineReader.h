#pragma once

#include <string>

class OrbStream;

// Reads the physical lines of a text stream one at a time and counts them, so
// that messages can name the line they concern. Optionally removes comments
// (from a marker to the end of the line, ignoring markers inside double quotes
// when quote-aware) and the white space around what is left.
class OrbLineReader {
public:
    OrbLineReader(OrbStream& stream, std::string commentMarker, bool quoteAware);

    // False at the end of the stream. With `skipEmpty`, lines that are empty after
    // stripping are read past (and counted).
    bool readLine(std::string& text, bool strip, bool skipEmpty);

    // The number of physical lines read so far: the number of the last line read.
    int lineCount() const { return lineCount_; }

    // Removes the comment and trims spaces, tabs, CR and LF at both ends.
    void stripLine(std::string& text) const;

private:
    OrbStream& stream_;
    std::string commentMarker_;
    bool quoteAware_;
    int lineCount_ = 0;
};
