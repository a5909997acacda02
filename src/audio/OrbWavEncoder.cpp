#include "audio/OrbWavEncoder.h"

namespace {

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
    }
}

void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<uint8_t> OrbWavEncoder::encode(std::span<const int16_t> samples, int channels,
                                           int sampleRate) {
    std::vector<uint8_t> out;
    const uint64_t dataBytes = static_cast<uint64_t>(samples.size()) * 2;
    if (channels < 1 || channels > 2 || sampleRate <= 0 || dataBytes + 36 > 0xFFFFFFFFu ||
        samples.size() % channels != 0) {
        return out;
    }
    const uint16_t blockAlign = static_cast<uint16_t>(channels * 2);
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, static_cast<uint32_t>(36 + dataBytes));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, static_cast<uint16_t>(channels));
    put32(out, static_cast<uint32_t>(sampleRate));
    put32(out, static_cast<uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, static_cast<uint32_t>(dataBytes));
    for (int16_t s : samples) {
        put16(out, static_cast<uint16_t>(s));
    }
    return out;
}
