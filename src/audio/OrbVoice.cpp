#include "audio/OrbVoice.h"

#include <algorithm>
#include <stdexcept>

namespace {
int sourceFormat(const std::unique_ptr<OrbAudioModule>& source) {
    if (!source || !OrbAudioModule::isFloat(source->format())) {
        throw std::invalid_argument("a voice needs a float source");
    }
    return source->format();
}
} // namespace

OrbVoice::OrbVoice(std::unique_ptr<OrbAudioModule> source, int sampleRate)
    : OrbAudioModule(sourceFormat(source)), envelope_(sampleRate) {
    setSource(std::move(source));
}

bool OrbVoice::render(int frames, void* out) {
    update();
    if (!envelope_.isActive() || frames <= 0) {
        return false;
    }
    if (scratch_.size() < static_cast<size_t>(frames)) {
        scratch_.resize(frames);
    }
    float* o = static_cast<float*>(out);
    const int ch = channels(format());
    int done = 0;
    while (done < frames) {
        const int k = envelope_.render(frames - done, scratch_.data());
        if (k > 0) {
            float* at = o + static_cast<size_t>(done) * ch;
            if (!source()->render(k, at)) {
                envelope_.stopNote(true);
                break;
            }
            const float* levels = scratch_.data();
            if (ch == 1) {
                for (int f = 0; f < k; ++f) {
                    at[f] *= levels[f];
                }
            } else {
                for (int f = 0; f < k; ++f) {
                    for (int c = 0; c < ch; ++c) {
                        at[f * ch + c] *= levels[f];
                    }
                }
            }
            done += k;
        }
        if (done < frames) {
            update();
        }
        if (!envelope_.isActive()) {
            break;
        }
    }
    if (done == 0) {
        return false;
    }
    std::fill(o + static_cast<size_t>(done) * ch, o + static_cast<size_t>(frames) * ch, 0.0f);
    return true;
}
