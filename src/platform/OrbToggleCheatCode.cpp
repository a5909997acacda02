#include "platform/OrbToggleCheatCode.h"

bool OrbToggleCheatCode::keyPressed(std::uint32_t key) {
    if (!OrbCheatCode::keyPressed(key)) {
        return false;
    }
    on_ = !on_;
    return true;
}
