#include "platform/OrbDefaults.h"

#include "platform/OrbAtomicFile.h"
#include "platform/OrbFolder.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

static const char* typeName(bool dword) {
    return dword ? "dword" : "string";
}

static bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// One line of the file is "name=type:value"; texts escape backslash, line feed and
// carriage return so that any path fits on one line.
static bool splitLine(const std::string& line, std::string& name, std::string& type,
                      std::string& value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) {
        return false;
    }
    const std::size_t colon = line.find(':', equals + 1);
    if (colon == std::string::npos) {
        return false;
    }
    name = line.substr(0, equals);
    type = line.substr(equals + 1, colon - equals - 1);
    value = line.substr(colon + 1);
    return true;
}

static std::string escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

static bool unescape(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return false;
        }
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

static std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// A stored number: the 32 bits as an unsigned decimal, as written; a signed decimal that
// fits is accepted as well since the file may have been edited by hand.
static bool parseDword(const std::string& text, int& out) {
    if (text.empty() || text.size() > 11) {
        return false;
    }
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative) {
        i = 1;
    }
    if (i == text.size()) {
        return false;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    if (negative) {
        value = -value;
        if (value < INT32_MIN) {
            return false;
        }
    } else if (value > static_cast<std::int64_t>(UINT32_MAX)) {
        return false;
    }
    out = static_cast<int>(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
    return true;
}

// Reads one decimal int the way "%d" does (leading white space skipped, a sign allowed),
// but refuses numbers that do not fit instead of wrapping them.
static bool scanInt(const char*& p, int& out) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(p, &end, 10);
    if (end == p || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    out = static_cast<int>(value);
    p = end;
    return true;
}

OrbDefaults::OrbDefaults(std::string vendor, std::string product)
    : vendor_(std::move(vendor)), product_(std::move(product)) {}

std::string OrbDefaults::filePath() const {
    std::string base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG folder is invalid and ignored, as for every other XDG user.
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0') {
            return std::string();
        }
        base = std::string(home) + "/.config";
    }
    if (base.back() != '/') {
        base += '/';
    }
    return base + vendor_ + "/" + product_ + "/settings";
}

bool OrbDefaults::readValue(const std::string& name, Type type, std::string& value) const {
    const std::string path = filePath();
    std::string bytes;
    if (path.empty() || OrbAtomicFile::read(path, bytes) != OrbAtomicFile::ReadStatus::Read) {
        return false;
    }
    for (const std::string& text : splitLines(bytes)) {
        std::string lineName, lineType, lineValue;
        if (splitLine(text, lineName, lineType, lineValue) && sameName(lineName, name)) {
            return lineType == typeName(type == Type::Dword) && unescape(lineValue, value);
        }
    }
    return false;
}

void OrbDefaults::writeValue(const std::string& name, Type type, const std::string& value) {
    // A name that would not read back as itself is not stored.
    if (name.empty() || name.find_first_of("=\n\r") != std::string::npos) {
        return;
    }
    Pending pending{name, name + "=" + typeName(type == Type::Dword) + ":" + escape(value)};
    if (!batching_) {
        store({pending});
        return;
    }
    for (Pending& earlier : pending_) {
        if (sameName(earlier.name, name)) {
            earlier = std::move(pending);
            return;
        }
    }
    pending_.push_back(std::move(pending));
}

void OrbDefaults::beginBatch() {
    batching_ = true;
}

void OrbDefaults::commitBatch() {
    batching_ = false;
    std::vector<Pending> values;
    values.swap(pending_);
    if (!values.empty()) {
        store(values);
    }
}

void OrbDefaults::store(const std::vector<Pending>& values) const {
    const std::string path = filePath();
    if (path.empty()) {
        return;
    }
    std::string bytes;
    const OrbAtomicFile::ReadStatus status = OrbAtomicFile::read(path, bytes);
    // Rewriting a file that exists but cannot be read would drop the values it holds.
    if (status == OrbAtomicFile::ReadStatus::Failed) {
        return;
    }
    std::vector<bool> written(values.size(), false);
    std::string out;
    for (const std::string& text : splitLines(bytes)) {
        std::string lineName, lineType, lineValue;
        bool replaced = false;
        if (splitLine(text, lineName, lineType, lineValue)) {
            for (std::size_t i = 0; i < values.size() && !replaced; ++i) {
                if (sameName(lineName, values[i].name)) {
                    // Only the first line of a name is read; later duplicates go.
                    if (!written[i]) {
                        out += values[i].line + "\n";
                        written[i] = true;
                    }
                    replaced = true;
                }
            }
        }
        if (!replaced) {
            out += text + "\n";
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!written[i]) {
            out += values[i].line + "\n";
        }
    }
    const std::size_t slash = path.find_last_of('/');
    OrbFolder::createPath(path.substr(0, slash + 1));
    OrbAtomicFile::write(path, out.data(), out.size());
}

int OrbDefaults::readInt(const std::string& name, int defaultValue) const {
    std::string text;
    int value = 0;
    return readValue(name, Type::Dword, text) && parseDword(text, value) ? value : defaultValue;
}

void OrbDefaults::writeInt(const std::string& name, int value) {
    writeValue(name, Type::Dword, std::to_string(static_cast<std::uint32_t>(value)));
}

bool OrbDefaults::readBool(const std::string& name, bool defaultValue) const {
    std::string text;
    int value = 0;
    return readValue(name, Type::Dword, text) && parseDword(text, value) ? value != 0
                                                                         : defaultValue;
}

void OrbDefaults::writeBool(const std::string& name, bool value) {
    writeValue(name, Type::Dword, value ? "1" : "0");
}

std::string OrbDefaults::readString(const std::string& name,
                                    const std::string& defaultValue) const {
    std::string text;
    if (!readValue(name, Type::String, text)) {
        return defaultValue;
    }
    return text.substr(0, text.find('\0'));
}

void OrbDefaults::writeString(const std::string& name, const std::string& text) {
    writeValue(name, Type::String, text.substr(0, text.find('\0')));
}

float OrbDefaults::readFloat(const std::string& name, float defaultValue) const {
    const std::string text = readString(name, std::string());
    const char* start = text.c_str();
    char* end = nullptr;
    const float value = std::strtof(start, &end);
    // Infinity and not-a-number are not usable settings; they read as the default.
    if (end == start || !std::isfinite(value)) {
        return defaultValue;
    }
    return value;
}

void OrbDefaults::writeFloat(const std::string& name, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    writeString(name, text);
}

OrbDefaults::Rect OrbDefaults::readRect(const std::string& name, const Rect& defaultValue) const {
    const std::string text = readString(name, std::string());
    // The accepted form: a number, optional white space, then each further number
    // introduced by a comma directly after the previous one, with white space allowed
    // before the number. Anything after the fourth number is ignored.
    const char* p = text.c_str();
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (i == 1) {
                while (std::isspace(static_cast<unsigned char>(*p))) {
                    ++p;
                }
            }
            if (*p != ',') {
                return defaultValue;
            }
            ++p;
        }
        if (!scanInt(p, values[i])) {
            return defaultValue;
        }
    }
    return Rect{values[0], values[1], values[2], values[3]};
}

void OrbDefaults::writeRect(const std::string& name, const Rect& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", rect.left, rect.top, rect.width, rect.height);
    writeString(name, text);
}
