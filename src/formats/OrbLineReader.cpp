#include "formats/OrbLineReader.h"

#include "platform/OrbStream.h"

#include <climits>

OrbLineReader::OrbLineReader(OrbStream& stream, std::string commentMarker, bool quoteAware)
    : stream_(stream), commentMarker_(std::move(commentMarker)), quoteAware_(quoteAware) {}

void OrbLineReader::stripLine(std::string& text) const {
    if (!commentMarker_.empty()) {
        bool quoted = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (quoteAware_ && text[i] == '"') {
                quoted = !quoted;
            } else if (!quoted && text[i] == commentMarker_[0] &&
                       text.compare(i, commentMarker_.size(), commentMarker_) == 0) {
                text.resize(i);
                break;
            }
        }
    }
    const auto isTrim = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t end = text.size();
    while (end > 0 && isTrim(text[end - 1])) {
        --end;
    }
    std::size_t begin = 0;
    while (begin < end && isTrim(text[begin])) {
        ++begin;
    }
    text.erase(end);
    text.erase(0, begin);
}

bool OrbLineReader::readLine(std::string& text, bool strip, bool skipEmpty) {
    for (;;) {
        if (!stream_.readLine(text)) {
            return false;
        }
        // A file cannot hold INT_MAX lines in practice, but the count must not wrap.
        if (lineCount_ < INT_MAX) {
            ++lineCount_;
        }
        if (strip) {
            stripLine(text);
        }
        if (!skipEmpty || !text.empty()) {
            return true;
        }
    }
}
