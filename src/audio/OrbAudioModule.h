#pragma once

#include "platform/OrbUncopyable.h"

#include <memory>

// A node of the pull graph that produces sound. Whoever owns a module asks it for a
// block of frames; the answer says whether the block holds sound or is silence, so
// silent parts of the graph cost nothing downstream.
class OrbAudioModule : public OrbUncopyable {
public:
    // Sample format codes carried by every module.
    static constexpr int kMono16 = 0;
    static constexpr int kStereo16 = 1;
    static constexpr int kMonoFloat = 2;
    static constexpr int kStereoFloat = 3;

    static bool isValidFormat(int format) { return format >= kMono16 && format <= kStereoFloat; }
    static int channels(int format) {
        return (format == kStereo16 || format == kStereoFloat) ? 2 : 1;
    }
    static bool isFloat(int format) { return format == kMonoFloat || format == kStereoFloat; }
    static int bytesPerFrame(int format) { return channels(format) * (isFloat(format) ? 4 : 2); }

    explicit OrbAudioModule(int format, std::unique_ptr<OrbAudioModule> source = nullptr);
    virtual ~OrbAudioModule();

    // Writes `frames` frames of this module's format to `out` and returns true, or
    // returns false for silence, leaving `out` undefined.
    virtual bool render(int frames, void* out) = 0;

    int format() const { return format_; }
    OrbAudioModule* source() const { return source_.get(); }

protected:
    void setSource(std::unique_ptr<OrbAudioModule> source) { source_ = std::move(source); }

private:
    int format_;
    std::unique_ptr<OrbAudioModule> source_;
};
