#pragma once

#include <cstddef>
#include <vector>

// The loudness contour of a note: straight-line segments for attack, decay, hold
// and release, plus a short fixed-rate fade that cuts a note off without a click.
class OrbEnvelope {
public:
    explicit OrbEnvelope(int sampleRate);

    // Times in milliseconds, levels 0..1.
    void start(float peak, double attack, double decay, float sustain, double hold, double release);
    // Immediately: silent at once; otherwise a sounding note fades out over at most 4 ms.
    void stopNote(bool immediately);

    // Writes one level per frame until `frames` are done or the envelope ends (the
    // level of the ending frame included) and returns the number written.
    int render(int frames, float* levels);

    int samplesFor(double milliseconds) const;

    bool isActive() const { return active_; }
    bool isReleasing() const { return releasing_; }
    float level() const { return level_; }
    float releaseStep() const { return releaseStep_; }

private:
    struct Segment {
        int count;
        float step;
    };
    void addSegment(int samples, float from, float to);
    // `count` levels of a straight segment, each clamped to 0..1.
    void renderRamp(float step, int count, float* levels);
    // The cut-off fade, up to `frames` levels; returns how many it wrote.
    int renderRelease(int frames, float* levels);

    int sampleRate_;
    bool active_ = false;
    bool releasing_ = false;
    float releaseStep_;
    float level_ = 0.0f;
    size_t segment_ = 0;
    std::vector<Segment> segments_;
};
