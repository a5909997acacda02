#include "audio/GvSfxModule.h"
#include "audio/OrbAudioReformatter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

// Counts every allocation in this test program, so the steady-state rendering can
// be shown to allocate nothing. The replacement is global, so it lives in a program
// of its own and changes nothing for the other audio tests.
namespace {
std::atomic<long> allocationCount{0};
}

// The replacement pair uses malloc and free consistently; GCC cannot see that
// through the replaced operators and warns.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(GvSfxModule, SteadyStateRenderingDoesNotAllocate) {
    OrbAudioReformatter pcm(std::make_unique<GvSfxModule>(11), OrbAudioModule::kMono16);
    auto* inner = static_cast<GvSfxModule*>(pcm.source());
    std::vector<int16_t> samples(2205);
    for (int i = 0; i < GvSfxModule::kSoundCount; ++i) {
        inner->play(i);
    }
    ASSERT_TRUE(pcm.render(2205, samples.data())); // first block sizes the scratch buffers
    const long before = allocationCount.load();
    for (int b = 0; b < 40; ++b) {
        for (int i = 0; i < GvSfxModule::kSoundCount; i += 1 + b % 3) {
            if (b % 5 == 4) {
                inner->stop(i);
            } else {
                inner->play(i);
            }
        }
        pcm.render(2205, samples.data());
        pcm.render(1000, samples.data()); // smaller blocks reuse the same buffers
    }
    EXPECT_EQ(allocationCount.load() - before, 0);
}
