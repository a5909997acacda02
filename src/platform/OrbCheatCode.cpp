#include "platform/OrbCheatCode.h"

OrbCheatCode::OrbCheatCode(const std::string& code) {
    for (const char c : code) {
        code_.push_back(static_cast<unsigned char>(c));
    }
}

bool OrbCheatCode::keyPressed(std::uint32_t key) {
    if (!code_.empty() && key == code_.front()) {
        matches_.push_back(0);
    }
    bool completed = false;
    for (auto it = matches_.begin(); it != matches_.end();) {
        if (key != code_[*it]) {
            it = matches_.erase(it);
            continue;
        }
        if (++*it == code_.size()) {
            it = matches_.erase(it);
            completed = true;
            continue;
        }
        ++it;
    }
    return completed;
}
