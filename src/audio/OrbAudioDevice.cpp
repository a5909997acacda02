#include "audio/OrbAudioDevice.h"

#include "audio/OrbAudioReformatter.h"

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <system_error>
#include <unistd.h>

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

// The period asked of the system: the largest power of two (some systems want their
// period so) not above one block and not above 512 frames (11.6 ms at 44,100 Hz). A
// trigger waits for the block in play and the next one; the period comes on top, so
// it is kept short.
int periodFor(int blockFrames) {
    int n = 1;
    while (n * 2 <= blockFrames && n * 2 <= 512) {
        n *= 2;
    }
    return n;
}

// The output thread asks for a high priority. Where that is refused, as it is for an
// ordinary user, it takes the most urgent nice value its limit allows (RLIMIT_NICE;
// usually none better than the default). Answers the nice value it ends up with.
int raiseThreadPriority() {
    const id_t self = static_cast<id_t>(::syscall(SYS_gettid));
    if (SDL_SetThreadPriority(SDL_THREAD_PRIORITY_HIGH) != 0) {
        rlimit limit{};
        if (::getrlimit(RLIMIT_NICE, &limit) == 0) {
            const long best =
                limit.rlim_cur == RLIM_INFINITY ? -20 : 20 - static_cast<long>(limit.rlim_cur);
            errno = 0;
            const int current = ::getpriority(PRIO_PROCESS, self);
            if (errno == 0 && best < current) {
                ::setpriority(PRIO_PROCESS, self, static_cast<int>(std::max(best, -20L)));
            }
        }
    }
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, self);
    return errno == 0 ? nice : OrbAudioDevice::kUnknownNice;
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
    want.samples = static_cast<Uint16>(periodFor(blockFrames_));
    want.callback = feedCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // Only the period may differ from what is asked (the system converts if its
    // hardware wants another format); the blocks do not depend on it.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
    if (device_ == 0) {
        shutDown();
        return false;
    }
    periodFrames_ = have.samples;
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
    periodFrames_ = 0;
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
    threadNice_.store(raiseThreadPriority(), std::memory_order_relaxed);
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
    if (tap_) {
        tap_(out, wanted);
    }
}
