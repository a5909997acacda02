#pragma once

#include "platform/OrbUncopyable.h"

#include <string>
#include <vector>

// The few settings that outlive a run (chosen pack and level, volume, window placement),
// kept per user in a small key-value text file, <config>/<vendor>/<product>/settings,
// where <config> is $XDG_CONFIG_HOME or ~/.config. Each value is typed: a 32-bit number
// ("dword") or a text ("string"); floats and rectangles are stored as texts. Every
// read reads the file and nothing is cached. A write rewrites the file on its own,
// unless it is part of a batch: the writes between `beginBatch` and `commitBatch`
// replace the file together, in one step, so that it never holds half of them.
// Storage that cannot be read or written is never reported: reads give their
// default, writes are skipped. A value of the wrong type or form reads as the default.
class OrbDefaults : private OrbUncopyable {
public:
    // Left, top, width and height, in that order.
    struct Rect {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;

        bool operator==(const Rect&) const = default;
    };

    OrbDefaults(std::string vendor, std::string product);
    virtual ~OrbDefaults() = default;

    int readInt(const std::string& name, int defaultValue) const;
    void writeInt(const std::string& name, int value);

    // Stored as the number 1 or 0; any non-zero number reads as true.
    bool readBool(const std::string& name, bool defaultValue) const;
    void writeBool(const std::string& name, bool value);

    // A text is stored up to its first zero character, if it holds one.
    std::string readString(const std::string& name, const std::string& defaultValue) const;
    void writeString(const std::string& name, const std::string& text);

    // Stored as text in the form "%f"; a text that does not start with a finite number
    // reads as the default.
    float readFloat(const std::string& name, float defaultValue) const;
    void writeFloat(const std::string& name, float value);

    // Stored as text, the four numbers joined by commas ("%d,%d,%d,%d"); reading needs
    // all four.
    Rect readRect(const std::string& name, const Rect& defaultValue) const;
    void writeRect(const std::string& name, const Rect& rect);

    // Holds back the following writes until `commitBatch`, which stores them all with
    // one replacement of the file (the last write of a name wins). Reads during a
    // batch still see the file as it was.
    void beginBatch();
    void commitBatch();

    // Where the values are kept; empty when no per-user folder is known.
    std::string filePath() const;

private:
    enum class Type { Dword, String };

    // One value as it is written to the file: "name=type:escaped value".
    struct Pending {
        std::string name;
        std::string line;
    };

    bool readValue(const std::string& name, Type type, std::string& value) const;
    void writeValue(const std::string& name, Type type, const std::string& value);
    void store(const std::vector<Pending>& values) const;

    std::string vendor_;
    std::string product_;
    bool batching_ = false;
    std::vector<Pending> pending_;
};
