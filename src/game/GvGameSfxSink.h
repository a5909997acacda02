#pragma once

#include "game/GvGameSoundSink.h"
#include "platform/OrbUncopyable.h"

class OrbSimpleSfxVoiceGroup;

// Passes sound requests on to the synthesized effects of a voice group (the
// game's sound module), which it borrows.
class GvGameSfxSink : public GvGameSoundSink, OrbUncopyable {
public:
    explicit GvGameSfxSink(OrbSimpleSfxVoiceGroup& voices) : voices_(voices) {}

    void play(int effect) override;
    void stop(int effect) override;

private:
    OrbSimpleSfxVoiceGroup& voices_;
};
