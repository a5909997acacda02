#pragma once

#include "audio/OrbAudioModule.h"

#include <cstdint>
#include <vector>

// Converts its source's sample format to its own: the mixer works in float, the
// output device wants 16-bit PCM, and either side may be mono or stereo.
class OrbAudioReformatter : public OrbAudioModule {
public:
    OrbAudioReformatter(std::unique_ptr<OrbAudioModule> source, int targetFormat);

    bool render(int frames, void* out) override;

    // Float to 16-bit as floor(x * 32767.5). Values beyond -1..1 (which a mix without a
    // limiter can produce) saturate instead of wrapping round into loud clicks.
    static int16_t floatToPcm16(float x);
    static float pcm16ToFloat(int16_t s) { return static_cast<float>(s) / 32768.0f; }

private:
    std::vector<uint32_t> scratch_; // 4-byte words hold either sample type, aligned
};
