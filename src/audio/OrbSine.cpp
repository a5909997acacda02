#include "audio/OrbSine.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kTableBits = 10;
constexpr int kTableSize = 1 << kTableBits;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The angle exactly as the plain formula computes it.
double angleOf(uint32_t phase) {
    return kTwoPi * phase / 4294967296.0;
}

// Points 0 to kTableSize of the turn; the last is the whole turn, so that the
// sine's three zeros (0, pi, 2 pi) are table points and the values near them are
// sums without cancellation.
struct Table {
    std::array<double, kTableSize + 1> angle;
    std::array<double, kTableSize + 1> sine;
    std::array<double, kTableSize + 1> cosine;

    Table() {
        for (int j = 0; j <= kTableSize; ++j) {
            angle[j] = kTwoPi * j / kTableSize;
            sine[j] = std::sin(angle[j]);
            cosine[j] = std::cos(angle[j]);
        }
    }
};

const Table& table() {
    static const Table built;
    return built;
}

// The sine at one phase, given the table.
inline float sineAt(const Table& t, uint32_t phase) {
    const double x = angleOf(phase);
    // The nearest table point: the remainder is within a 2048th of a turn, where
    // two terms of each series reach far below a double's last bit, and (the two
    // angles being within a factor of two) the difference is exact.
    const uint32_t j = static_cast<uint32_t>(
        (static_cast<uint64_t>(phase) + (1u << (31 - kTableBits))) >> (32 - kTableBits));
    const double d = x - t.angle[j];
    const double d2 = d * d;
    const double sinD = d + d * d2 * (-1.0 / 6.0 + d2 * (1.0 / 120.0));
    const double cosD = 1.0 + d2 * (-0.5 + d2 * (1.0 / 24.0));
    const double y = t.sine[j] * cosD + t.cosine[j] * sinD;
    // Both this value and the library's lie well within `margin` of the true sine;
    // when the whole interval rounds to one float, that float is the library's too.
    const double margin = std::fabs(y) * 0x1p-46 + 0x1p-100;
    const float low = static_cast<float>(y - margin);
    if (low == static_cast<float>(y + margin)) {
        return low;
    }
    return static_cast<float>(std::sin(x));
}

} // namespace

float OrbSine::at(uint32_t phase) {
    return sineAt(table(), phase);
}

void OrbSine::fill(uint32_t phase, uint32_t increment, int count, float* out) {
    const Table& t = table();
    for (int i = 0; i < count; ++i, phase += increment) {
        out[i] = sineAt(t, phase);
    }
}
