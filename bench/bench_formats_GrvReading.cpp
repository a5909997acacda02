// Reading speed of the text level-pack format: a generated pack of well over a
// megabyte (caves with variants, macros, demos, every kind of drawing command)
// read from memory and from a file, reported in bytes per second.

#include "formats/GvLevelPackLoader.h"
#include "levelpack/GvLevelPack.h"
#include "platform/OrbFileStream.h"
#include "platform/OrbMemoryStream.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string generatedPack() {
    std::string text = "; generated for the reading benchmark\ngravik 3\nname \"Benchmark\"\n"
                       "author \"Generator\"\nvariants 5\n";
    text += "macro \"room\"\n{\n\trect_line 0, 0, 6, 4, brick_wall\n\tset 3, 0, space\n"
            "\trect_fill 1, 1, 5, 3, dirt, space\n}\n";
    const char* objects[] = {"boulder", "diamond", "firefly_l",  "butterfly_d",   "amoeba",
                             "slime",   "bomb",    "magic_wall", "growing_wall_h"};
    for (int c = 0; text.size() < 1400000; ++c) {
        const std::string object = objects[c % 9];
        text += "cave 40, 22\n{\n\tname \"Cave number " + std::to_string(c) + "\"\n";
        text += "\tstyle dirt, green\n\ttick_rate 6, 7, 8, 9, 10\n\tgame_time 150, 140, 130, 120, "
                "110 ; seconds\n\tdiamond_quota 10, 12, 14, 16, 18\n"
                "\tamoeba 200, 8, 64, 60\n\tslime_permeability 0.125\n"
                "\tunpack_seed " +
                std::to_string(c) + "\n";
        text += "\traw 1, 1, \"P..rrdd  ..wwMM..XX\"\n\traw 1, 2, \"....----....rrrr\"\n";
        text += "\trandom_fill 1, 3, 38, 20, dirt, boulder, 40, diamond, 50, " + object +
                ", 52, space, 90\n";
        text += "\tline 2, 4, 30, 4, brick_wall\n\trect_dot 2, 6, 10, 4, 3, 3, " + object + "\n";
        text += "\tparasite 1, 1, 38, 20, boulder, 0, 1, diamond\n";
        for (int k = 0; k < 4; ++k) {
            text += "\tcall \"room\", " + std::to_string(2 + 8 * k) + ", 14\n";
        }
        for (int v = 1; v <= 5; ++v) {
            text += "\tvariant " + std::to_string(v) + "\n\t{\n\t\tbomb_ticks " +
                    std::to_string(v + 2) + "\n\t\tset " + std::to_string(v) +
                    ", 20, diamond\n\t\tdemo\n\t\t{\n\t\t\t\"r12d3.5R1u2\"\n"
                    "\t\t\t\"l7L1d20\"\n\t\t}\n\t}\n";
        }
        text += "}\n";
    }
    return text;
}

const std::string& pack() {
    static const std::string text = generatedPack();
    return text;
}

void readFromMemory(benchmark::State& state) {
    const std::string& text = pack();
    for (auto _ : state) {
        OrbMemoryStream stream(text);
        std::vector<std::string> messages;
        auto loaded = loadLevelPack(stream, &messages, false);
        if (!loaded) {
            state.SkipWithError(messages.empty() ? "no pack" : messages.front().c_str());
            break;
        }
        benchmark::DoNotOptimize(loaded->caveCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
    state.counters["pack_bytes"] = static_cast<double>(text.size());
}

void readFromFile(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("gravik_bench_" + std::to_string(::getpid()) + ".grv"))
                                 .string();
    {
        auto out = OrbFileStream::open(path, true);
        out->write(pack().data(), static_cast<int>(pack().size()));
    }
    for (auto _ : state) {
        auto in = OrbFileStream::open(path, false);
        auto loaded = loadLevelPack(*in, nullptr, false);
        if (!loaded) {
            state.SkipWithError("the generated pack did not load");
            break;
        }
        benchmark::DoNotOptimize(loaded->caveCount());
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(pack().size()));
}

void readHeaderOnly(benchmark::State& state) {
    for (auto _ : state) {
        OrbMemoryStream stream(pack());
        auto loaded = loadLevelPack(stream, nullptr, true);
        benchmark::DoNotOptimize(loaded.get());
    }
}

} // namespace

BENCHMARK(readFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(readFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(readHeaderOnly)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
