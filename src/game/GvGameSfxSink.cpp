#include "game/GvGameSfxSink.h"

#include "audio/OrbSimpleSfxVoiceGroup.h"

void GvGameSfxSink::play(int effect) {
    voices_.play(effect);
}

void GvGameSfxSink::stop(int effect) {
    voices_.stop(effect);
}
