#pragma once

#include "platform/OrbCheatCode.h"

// A cheat code that switches something on and off: each completion inverts its flag.
class OrbToggleCheatCode : public OrbCheatCode {
public:
    explicit OrbToggleCheatCode(const std::string& code) : OrbCheatCode(code) {}

    bool keyPressed(std::uint32_t key) override;

    bool isOn() const { return on_; }

private:
    bool on_ = false;
};
