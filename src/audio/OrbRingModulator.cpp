#include "audio/OrbRingModulator.h"

OrbRingModulator::OrbRingModulator(int sampleRate)
    : OrbAudioModule(kMonoFloat), carrier_(nullptr), modulator_(sampleRate) {
    auto carrier = std::make_unique<OrbOscillator>(sampleRate);
    carrier_ = carrier.get();
    setSource(std::move(carrier));
}

void OrbRingModulator::setModulator(int waveform, int frequency, double pulseWidth) {
    modulator_.setup(waveform, frequency, pulseWidth);
    modulating_ = true;
}

bool OrbRingModulator::render(int frames, void* out) {
    if (!carrier_->render(frames, out)) {
        return false;
    }
    if (modulating_) {
        if (scratch_.size() < static_cast<size_t>(frames)) {
            scratch_.resize(frames);
        }
        modulator_.render(frames, scratch_.data());
        float* o = static_cast<float*>(out);
        for (int i = 0; i < frames; ++i) {
            o[i] *= scratch_[i];
        }
    }
    return true;
}
