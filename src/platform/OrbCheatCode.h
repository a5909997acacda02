#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Recognises a fixed sequence of key codes wherever it occurs in the stream of typed
// keys. Several attempts can be alive at once, so a code whose start repeats inside it
// (X, Y, X, Y) is not lost when the player types its first keys again.
class OrbCheatCode {
public:
    // Each character of `code` is one key code (letters and digits stand for themselves).
    explicit OrbCheatCode(const std::string& code);
    virtual ~OrbCheatCode() = default;

    // Offers one first key press; true when this key completed the code.
    virtual bool keyPressed(std::uint32_t key);

    // Drops every attempt in progress (when the keyboard focus comes or goes).
    void forget() { matches_.clear(); }

private:
    std::vector<std::uint32_t> code_;
    // For each attempt still alive, how many keys of the code it has matched so far.
    std::vector<std::uint32_t> matches_;
};
