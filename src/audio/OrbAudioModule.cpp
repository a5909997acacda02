#include "audio/OrbAudioModule.h"

#include <stdexcept>

OrbAudioModule::OrbAudioModule(int format, std::unique_ptr<OrbAudioModule> source)
    : format_(format), source_(std::move(source)) {
    if (!isValidFormat(format)) {
        throw std::invalid_argument("unknown audio sample format");
    }
}

OrbAudioModule::~OrbAudioModule() = default;
