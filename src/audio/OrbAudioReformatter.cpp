#include "audio/OrbAudioReformatter.h"

#include <cmath>
#include <cstring>

OrbAudioReformatter::OrbAudioReformatter(std::unique_ptr<OrbAudioModule> source, int targetFormat)
    : OrbAudioModule(targetFormat, std::move(source)) {}

int16_t OrbAudioReformatter::floatToPcm16(float x) {
    const double v = std::floor(static_cast<double>(x) * 32767.5);
    if (!(v > -32768.0)) {
        return std::isnan(v) ? 0 : -32768;
    }
    if (v > 32767.0) {
        return 32767;
    }
    return static_cast<int16_t>(v);
}

bool OrbAudioReformatter::render(int frames, void* out) {
    OrbAudioModule* src = source();
    if (src == nullptr || frames <= 0) {
        return false;
    }
    const int from = src->format();
    const int to = format();
    if (from == to) {
        return src->render(frames, out);
    }
    const int inChannels = channels(from);
    const int outChannels = channels(to);
    const size_t inBytes = static_cast<size_t>(frames) * bytesPerFrame(from);
    const size_t words = (inBytes + 3) / 4;
    if (scratch_.size() < words) {
        scratch_.resize(words);
    }
    if (!src->render(frames, scratch_.data())) {
        return false;
    }
    const float* inFloat = reinterpret_cast<const float*>(scratch_.data());
    const int16_t* inPcm = reinterpret_cast<const int16_t*>(scratch_.data());
    float* outFloat = static_cast<float*>(out);
    int16_t* outPcm = static_cast<int16_t*>(out);
    const bool fromFloat = isFloat(from);
    const bool toFloat = isFloat(to);

    for (int f = 0; f < frames; ++f) {
        // Channels are matched in the source's sample type, then the type is converted.
        double v[2];
        for (int c = 0; c < inChannels; ++c) {
            const size_t i = static_cast<size_t>(f) * inChannels + c;
            v[c] = fromFloat ? static_cast<double>(inFloat[i]) : static_cast<double>(inPcm[i]);
        }
        if (inChannels == 2 && outChannels == 1) {
            v[0] = (v[0] + v[1]) * 0.5;
        } else if (inChannels == 1 && outChannels == 2) {
            v[1] = v[0];
        }
        for (int c = 0; c < outChannels; ++c) {
            const size_t o = static_cast<size_t>(f) * outChannels + c;
            if (toFloat) {
                outFloat[o] = static_cast<float>(fromFloat ? v[c] : v[c] / 32768.0);
            } else if (fromFloat) {
                outPcm[o] = floatToPcm16(static_cast<float>(v[c]));
            } else {
                outPcm[o] = static_cast<int16_t>(std::floor(v[c]));
            }
        }
    }
    return true;
}
