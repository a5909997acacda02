#include "audio/OrbAudioDevice.h"

#include "audio/OrbAudioReformatter.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <system_error>

namespace {

std::unique_ptr<OrbAudioModule> as16Bit(std::unique_ptr<OrbAudioModule> source) {
    if (source && OrbAudioModule::isFloat(source->format())) {
        const int target = OrbAudioModule::channels(source->format()) == 2
                               ? OrbAudioModule::kStereo16
                               : OrbAudioModule::kMono16;
        return std::make_unique<OrbAudioReformatter>(std::move(source), target);
    }
    return source;
}

void SDLCALL feedCallback(void* device, Uint8* stream, int bytes) {
    static_cast<OrbAudioDevice*>(device)->feed(stream, bytes);
}

// The largest power of two not above `frames`: some systems want their chunk size so.
int chunkFrames(int frames) {
    int n = 1;
    while (n * 2 <= frames && n < 16384) {
        n *= 2;
    }
    return n;
}

} // namespace

OrbAudioDevice::OrbAudioDevice(int sampleRate, std::unique_ptr<OrbAudioModule> source,
                               int blockFrames)
    : sampleRate_(sampleRate > 0 ? sampleRate : 44100), source_(as16Bit(std::move(source))),
      blockFrames_(blockFrames > 0 ? blockFrames : sampleRate_ * 50 / 1000) {
    static_assert(std::atomic<float>::is_always_lock_free);
}

OrbAudioDevice::~OrbAudioDevice() {
    close();
}

int OrbAudioDevice::format() const {
    return source_ && source_->format() == OrbAudioModule::kStereo16 ? OrbAudioModule::kStereo16
                                                                     : OrbAudioModule::kMono16;
}

uint32_t OrbAudioDevice::clockSeed() {
    return static_cast<uint32_t>(std::time(nullptr));
}

void OrbAudioDevice::setGain(float gain) {
    gain_.store(gain > 0.0f ? std::min(gain, 1.0f) : 0.0f, std::memory_order_relaxed);
}

void OrbAudioDevice::fillBlock(int16_t* samples, int frames) {
    const size_t count = static_cast<size_t>(frames) * OrbAudioModule::channels(format());
    if (!source_ || !source_->render(frames, samples)) {
        std::fill(samples, samples + count, int16_t{0});
        return;
    }
    const float gain = gain_.load(std::memory_order_relaxed);
    if (gain != 1.0f) {
        const int32_t g = static_cast<int32_t>(std::floor(gain * 65536.0 + 0.5));
        for (size_t i = 0; i < count; ++i) {
            samples[i] = static_cast<int16_t>((g * samples[i]) >> 16);
        }
    }
}

bool OrbAudioDevice::open() {
    if (open_) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    subsystemStarted_ = true;
    const int channels = OrbAudioModule::channels(format());
    SDL_AudioSpec want{};
    want.freq = sampleRate_;
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(channels);
    want.samples = static_cast<Uint16>(chunkFrames(blockFrames_));
    want.callback = feedCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: the system converts if its hardware wants another format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        shutDown();
        return false;
    }
    try {
        for (std::vector<int16_t>& b : buffers_) {
            b.assign(static_cast<size_t>(blockFrames_) * channels, 0);
        }
        ready_[0] = false;
        ready_[1] = false;
        playing_ = 0;
        playedFrom_ = 0;
        quit_ = false;
        startUp_ = 2;
        thread_ = std::thread(&OrbAudioDevice::run, this);
    } catch (const std::exception&) {
        shutDown();
        return false;
    }
    open_ = true;
    wake_.release(); // both blocks start out empty: fill them at once
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void OrbAudioDevice::waitUntilStarted() {
    if (!open_) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (startUp_.load() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void OrbAudioDevice::close() {
    if (!open_) {
        return;
    }
    shutDown();
    open_ = false;
}

void OrbAudioDevice::shutDown() {
    // Closing the system device first guarantees the audio callback no longer runs.
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (thread_.joinable()) {
        // Rendering a block is bounded work, so the thread always ends; killing it
        // instead could leave it inside the source that is about to be freed.
        quit_ = true;
        wake_.release();
        thread_.join();
    }
    for (std::vector<int16_t>& b : buffers_) {
        std::vector<int16_t>().swap(b);
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    }
}

void OrbAudioDevice::run() {
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_HIGH); // refused without rights: fine
    for (;;) {
        wake_.acquire();
        if (quit_.load()) {
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (!ready_[i].load(std::memory_order_acquire)) {
                fillBlock(buffers_[i].data(), blockFrames_);
                ready_[i].store(true, std::memory_order_release);
                if (startUp_.load() > 0) {
                    startUp_.fetch_sub(1);
                }
            }
        }
    }
}

void OrbAudioDevice::feed(uint8_t* stream, int bytes) {
    int16_t* out = reinterpret_cast<int16_t*>(stream);
    const size_t wanted = static_cast<size_t>(bytes > 0 ? bytes : 0) / sizeof(int16_t);
    size_t written = 0;
    while (written < wanted) {
        std::vector<int16_t>& b = buffers_[playing_];
        if (!ready_[playing_].load(std::memory_order_acquire)) {
            // The renderer fell behind: play silence rather than stale samples.
            std::fill(out + written, out + wanted, int16_t{0});
            break;
        }
        const size_t n = std::min(wanted - written, b.size() - playedFrom_);
        std::memcpy(out + written, b.data() + playedFrom_, n * sizeof(int16_t));
        written += n;
        playedFrom_ += n;
        if (playedFrom_ == b.size()) {
            playedFrom_ = 0;
            ready_[playing_].store(false, std::memory_order_release);
            wake_.release();
            playing_ ^= 1;
        }
    }
}
