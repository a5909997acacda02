// Renders one of the game's synthesized sound effects, mixed exactly as in the game
// (voice gain, limiter, 16-bit conversion), into a mono 44,100 Hz WAV file.

#include "audio/GvSfxModule.h"
#include "audio/OrbAudioReformatter.h"
#include "audio/OrbWavEncoder.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kBlock = 2205;
constexpr int kMaxSeconds = 30;

void usage() {
    std::fprintf(stderr,
                 "usage: gravik-sfx SOUND OUTPUT.wav [--seed N] [--loop-ms MS]\n"
                 "  SOUND     effect number, 0 to 23\n"
                 "  --seed    starts the pitch generator of sounds 6, 9 and 10 (default 1)\n"
                 "  --loop-ms how long the looping sounds 8, 9 and 10 stay requested before\n"
                 "            they are stopped (default 1000)\n");
}

template <typename T> bool parseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        usage();
        return 2;
    }
    int sound = -1;
    if (!parseNumber(argv[1], sound) || sound < 0 || sound >= GvSfxModule::kSoundCount) {
        std::fprintf(stderr, "gravik-sfx: sound must be a number from 0 to 23, not \"%s\"\n",
                     argv[1]);
        return 2;
    }
    const std::string output = argv[2];
    uint32_t seed = 1;
    int loopMs = 1000;
    for (int i = 3; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--seed" && hasValue && parseNumber(argv[i + 1], seed)) {
            ++i;
        } else if (option == "--loop-ms" && hasValue && parseNumber(argv[i + 1], loopMs) &&
                   loopMs >= 0 && loopMs <= kMaxSeconds * 1000) {
            ++i;
        } else {
            std::fprintf(stderr, "gravik-sfx: bad option \"%s\"\n", argv[i]);
            usage();
            return 2;
        }
    }

    auto module = std::make_unique<GvSfxModule>(seed);
    GvSfxModule* sfx = module.get();
    OrbAudioReformatter pcm(std::move(module), OrbAudioModule::kMono16);
    const bool loops = GvSfxModule::soundTable()[sound].loops != 0;
    const long loopFrames = static_cast<long>(loopMs) * GvSfxModule::kSampleRate / 1000;

    std::vector<int16_t> samples;
    std::vector<int16_t> block(kBlock);
    sfx->play(sound);
    bool stopped = !loops;
    for (long rendered = 0; rendered < static_cast<long>(kMaxSeconds) * GvSfxModule::kSampleRate;
         rendered += kBlock) {
        if (!stopped && rendered >= loopFrames) {
            sfx->stop(sound);
            stopped = true;
        }
        if (!pcm.render(kBlock, block.data())) {
            if (stopped) {
                break;
            }
            block.assign(kBlock, 0);
        }
        samples.insert(samples.end(), block.begin(), block.end());
    }

    const std::vector<uint8_t> wav = OrbWavEncoder::encode(samples, 1, GvSfxModule::kSampleRate);
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    file.close();
    if (wav.empty() || !file) {
        std::fprintf(stderr, "gravik-sfx: could not write \"%s\"\n", output.c_str());
        return 1;
    }
    std::printf("%s: sound %d, %.3f s\n", output.c_str(), sound,
                static_cast<double>(samples.size()) / GvSfxModule::kSampleRate);
    return 0;
}
