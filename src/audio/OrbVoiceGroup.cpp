#include "audio/OrbVoiceGroup.h"

#include "audio/OrbAudioReformatter.h"

#include <algorithm>
#include <stdexcept>

OrbVoiceGroup::OrbVoiceGroup(int format, int sampleRate, bool limiterEnabled)
    : OrbAudioModule(format), sampleRate_(sampleRate > 0 ? sampleRate : 1),
      limiterEnabled_(limiterEnabled), recoveryStep_(1.0 / (2.0 * sampleRate_)) {
    if (!isFloat(format)) {
        throw std::invalid_argument("a voice group mixes float samples");
    }
    static_assert(std::atomic<double>::is_always_lock_free);
}

void OrbVoiceGroup::addVoice(std::unique_ptr<OrbAudioModule> voice, float gain) {
    if (!voice) {
        return;
    }
    if (voice->format() != format()) {
        voice = std::make_unique<OrbAudioReformatter>(std::move(voice), format());
    }
    entries_.push_back({std::move(voice), gain});
}

void OrbVoiceGroup::setMasterGain(double gain) {
    masterGain_.store(gain > 0.0 ? std::min(gain, 1.0) : 0.0, std::memory_order_relaxed);
}

OrbAudioModule* OrbVoiceGroup::voice(int index) const {
    if (index < 0 || index >= voiceCount()) {
        return nullptr;
    }
    return entries_[index].module.get();
}

float OrbVoiceGroup::voiceGain(int index) const {
    if (index < 0 || index >= voiceCount()) {
        return 0.0f;
    }
    return entries_[index].gain;
}

bool OrbVoiceGroup::render(int frames, void* out) {
    if (frames <= 0) {
        return false;
    }
    const int ch = channels(format());
    const size_t samples = static_cast<size_t>(frames) * ch;
    if (scratch_.size() < samples) {
        scratch_.resize(samples);
    }
    float* o = static_cast<float*>(out);
    float* s = scratch_.data();
    const double master = masterGain_.load(std::memory_order_relaxed);
    double total = 0.0;
    bool any = false;
    for (Entry& e : entries_) {
        const double weight = e.gain * master;
        const float w = static_cast<float>(weight);
        if (!any) {
            if (e.module->render(frames, o)) {
                for (size_t i = 0; i < samples; ++i) {
                    o[i] *= w;
                }
                any = true;
                total += weight;
            }
        } else if (e.module->render(frames, s)) {
            for (size_t i = 0; i < samples; ++i) {
                o[i] += w * s[i];
            }
            total += weight;
        }
    }
    if (!any) {
        limiterGain_ = 1.0;
        return false;
    }
    if (!limiterEnabled_) {
        return true;
    }
    const double l = total >= 0.999 ? 0.999 / total : 1.0;
    if (l < limiterGain_) {
        limiterGain_ = l;
    }
    if (l > limiterGain_) {
        for (int f = 0; f < frames; ++f) {
            limiterGain_ = std::min(limiterGain_ + recoveryStep_, l);
            const float g = static_cast<float>(limiterGain_);
            for (int c = 0; c < ch; ++c) {
                o[static_cast<size_t>(f) * ch + c] *= g;
            }
        }
    } else if (limiterGain_ != 1.0) {
        const float g = static_cast<float>(limiterGain_);
        for (size_t i = 0; i < samples; ++i) {
            o[i] *= g;
        }
    }
    return true;
}
