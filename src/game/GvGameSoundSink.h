#pragma once

// Where the in-game screen sends the world's sound requests: effect n of the
// sound table starts or stops. Kept apart from the sound module so that the
// screen can be driven without an audio device.
class GvGameSoundSink {
public:
    virtual ~GvGameSoundSink() = default;
    virtual void play(int effect) = 0;
    virtual void stop(int effect) = 0;
};
