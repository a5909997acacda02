#pragma once

#include "audio/OrbAudioModule.h"

#include <atomic>
#include <vector>

// The mixer: sums its voices, each scaled by its own gain and the master gain. With
// the limiter on, a mix whose summed weights would exceed full scale is turned down
// at once and brought back up slowly (over at most two seconds) when it eases.
class OrbVoiceGroup : public OrbAudioModule {
public:
    // `format` must be a float format.
    OrbVoiceGroup(int format, int sampleRate, bool limiterEnabled);

    // Takes ownership; a voice of another format gets a reformatter in front of it.
    void addVoice(std::unique_ptr<OrbAudioModule> voice, float gain);
    // Any thread; clamped to 0..1, read once per block.
    void setMasterGain(double gain);
    double masterGain() const { return masterGain_.load(std::memory_order_relaxed); }

    bool render(int frames, void* out) override;

    int sampleRate() const { return sampleRate_; }
    int voiceCount() const { return static_cast<int>(entries_.size()); }
    OrbAudioModule* voice(int index) const;
    float voiceGain(int index) const;
    // Output thread only.
    bool isLimiterEnabled() const { return limiterEnabled_; }
    double limiterGain() const { return limiterGain_; }

private:
    struct Entry {
        std::unique_ptr<OrbAudioModule> module;
        float gain;
    };

    int sampleRate_;
    std::vector<Entry> entries_;
    std::atomic<double> masterGain_{1.0};
    bool limiterEnabled_;
    double limiterGain_ = 1.0;
    double recoveryStep_;
    std::vector<float> scratch_;
};
