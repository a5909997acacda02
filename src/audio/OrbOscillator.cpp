#include "audio/OrbOscillator.h"

#include "audio/OrbSine.h"

#include <cmath>

namespace {
constexpr double kMaxPhase = 4294967295.0;
constexpr double kTwoPow31 = 2147483648.0;
constexpr uint32_t kQuarter = 1u << 30;
} // namespace

OrbOscillator::OrbOscillator(int sampleRate)
    : OrbAudioModule(kMonoFloat), sampleRate_(sampleRate > 0 ? sampleRate : 1) {}

void OrbOscillator::setup(int waveform, int frequency, double pulseWidth) {
    waveform_ = waveform;
    frequency_ = frequency;
    pulseWidth_ = pulseWidth;
    phase_ = 0;
    const uint32_t perHz = 0xFFFFFFFFu / static_cast<uint32_t>(sampleRate_);
    phaseIncrement_ = static_cast<uint32_t>(frequency) * perHz;
}

unsigned OrbOscillator::noiseValue(uint32_t reg) {
    return ((reg >> 22) & 1u) << 7 | ((reg >> 20) & 1u) << 6 | ((reg >> 16) & 1u) << 5 |
           ((reg >> 13) & 1u) << 4 | ((reg >> 11) & 1u) << 3 | ((reg >> 7) & 1u) << 2 |
           ((reg >> 4) & 1u) << 1 | ((reg >> 2) & 1u);
}

float OrbOscillator::noiseSample(uint32_t reg) {
    return static_cast<float>(noiseValue(reg) / 127.5 - 1.0);
}

bool OrbOscillator::render(int frames, void* out) {
    float* o = static_cast<float*>(out);
    const uint32_t inc = phaseIncrement_;
    switch (waveform_) {
    case kSine:
        if (frames > 0) {
            OrbSine::fill(phase_, inc, frames, o);
            phase_ += inc * static_cast<uint32_t>(frames);
        }
        break;
    case kPulse:
        for (int i = 0; i < frames; ++i, phase_ += inc) {
            o[i] = pulseWidth_ >= phase_ / kMaxPhase ? 1.0f : -1.0f;
        }
        break;
    case kSawtooth:
        for (int i = 0; i < frames; ++i, phase_ += inc) {
            o[i] = static_cast<float>(2.0 * phase_ / kMaxPhase - 1.0);
        }
        break;
    case kTriangle:
        // Starts at 0, peaks at a quarter cycle and bottoms at three quarters.
        for (int i = 0; i < frames; ++i, phase_ += inc) {
            const uint32_t b = phase_ + kQuarter;
            const double v = b > (1u << 31) ? 1.0 - 2.0 * (phase_ - kQuarter) / kTwoPow31
                                            : 2.0 * b / kTwoPow31 - 1.0;
            o[i] = static_cast<float>(v);
        }
        break;
    case kNoise: {
        // The value changes only when the register is clocked.
        float value = noiseSample(noiseRegister_);
        for (int i = 0; i < frames; ++i) {
            o[i] = value;
            // One clock each time the top four phase bits move on, however far the
            // phase jumps in a frame.
            unsigned clocks =
                static_cast<unsigned>(((static_cast<uint64_t>(phase_) & 0x0FFFFFFFu) + inc) >> 28);
            phase_ += inc;
            if (clocks > 0) {
                while (clocks-- > 0) {
                    noiseRegister_ = (noiseRegister_ << 1) |
                                     (((noiseRegister_ >> 17) ^ (noiseRegister_ >> 22)) & 1u);
                }
                value = noiseSample(noiseRegister_);
            }
        }
        break;
    }
    default:
        for (int i = 0; i < frames; ++i, phase_ += inc) {
            o[i] = 0.0f;
        }
        break;
    }
    return true;
}
