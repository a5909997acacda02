#pragma once

#include "audio/OrbAudioModule.h"
#include "platform/OrbUncopyable.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <semaphore>
#include <thread>
#include <vector>

// Streams a module's sound to the system's audio output as 16-bit PCM. A thread of
// its own renders into two alternating blocks while the system plays the other, so
// the game thread never touches samples; it only sets the gain. The system takes the
// samples in periods no longer than one block (at most 512 frames), so that its
// own buffering adds little to the two blocks in flight. When no output can be had,
// `open` fails and the game simply stays silent.
class OrbAudioDevice : public OrbUncopyable {
public:
    // Takes ownership of `source`; a float source gets a converter to 16-bit in front.
    // `blockFrames` 0 means 50 ms.
    OrbAudioDevice(int sampleRate, std::unique_ptr<OrbAudioModule> source, int blockFrames);
    ~OrbAudioDevice();

    // Any thread; clamped to 0..1, applied from the next block on.
    void setGain(float gain);
    float gain() const { return gain_.load(std::memory_order_relaxed); }

    // False when the output or a resource cannot be had; true when already open.
    bool open();
    // Waits (at most 0.5 s) until both blocks have been handed to the output.
    void waitUntilStarted();
    void close();

    bool isOpen() const { return open_; }
    int sampleRate() const { return sampleRate_; }
    int blockFrames() const { return blockFrames_; }
    int format() const; // 0 mono or 1 stereo 16-bit
    int startUpCounter() const { return startUp_.load(std::memory_order_relaxed); }
    OrbAudioModule* source() const { return source_.get(); }

    // Produces one block exactly as the output thread does: the source's samples with
    // the output gain applied, or zeros for silence. Not while the device is open.
    void fillBlock(int16_t* samples, int frames);

    // The current time in whole seconds, for seeding the effects' pitch generators
    // with something that differs from run to run (synthesis itself reads no clock).
    static uint32_t clockSeed();

    // Called from the system's audio thread with room for `bytes` bytes.
    void feed(uint8_t* stream, int bytes);

    // Frames the system asks for at a time; 0 while closed.
    int periodFrames() const { return periodFrames_; }
    // The nice value the output thread runs at (lower is more urgent), once it runs;
    // kUnknownNice before.
    static constexpr int kUnknownNice = 100;
    int outputThreadNice() const { return threadNice_.load(std::memory_order_relaxed); }

    // Sees every stretch of samples handed to the system, on the system's audio
    // thread, to measure what reaches the output and when. Set only while closed.
    using Tap = std::function<void(const int16_t* samples, size_t count)>;
    void setTap(Tap tap) { tap_ = std::move(tap); }

private:
    void run();
    void shutDown();

    int sampleRate_;
    std::unique_ptr<OrbAudioModule> source_;
    int blockFrames_;
    std::atomic<int> startUp_{0};
    std::atomic<float> gain_{1.0f};
    uint32_t device_ = 0;
    bool subsystemStarted_ = false;
    bool open_ = false;
    std::vector<int16_t> buffers_[2];
    // A ready buffer belongs to the system's audio thread until it has been played;
    // otherwise to the output thread, which refills it.
    std::atomic<bool> ready_[2] = {false, false};
    std::atomic<bool> quit_{false};
    std::counting_semaphore<> wake_{0};
    std::thread thread_;
    int periodFrames_ = 0;
    std::atomic<int> threadNice_{kUnknownNice};
    Tap tap_;
    int playing_ = 0;       // system audio thread only
    size_t playedFrom_ = 0; // system audio thread only
};
