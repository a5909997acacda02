#include "graphics/OrbPictureCodec.h"

#include "graphics/OrbCorruptDataTextureException.h"
#include "platform/OrbEmbeddedData.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

namespace {

// The order in which a pixel's channels are coded: alpha first, since the
// colour's bound depends on it, then green, whose prediction error then
// corrects the prediction of red and blue (painted noise moves all three
// together).
struct Order {
    int planes;
    std::array<int, 4> channel;
    int alpha; // the plane of alpha, -1 without one
    int guide; // the plane whose error corrects the later colour planes, -1 for none
};

Order orderOf(int channels) {
    switch (channels) {
    case 1:
        return {1, {0, 0, 0, 0}, 0, -1};
    case 2:
        return {2, {1, 0, 0, 0}, 0, -1};
    case 3:
        return {3, {1, 0, 2, 0}, -1, 0};
    default:
        return {4, {3, 1, 0, 2}, 0, 1};
    }
}

// A channel's range, without branches.
inline int toByte(int v) {
    v = v < 0 ? 0 : v;
    return v > 255 ? 255 : v;
}

// Walks the pixels in coding order and asks `code` for each channel's decoded
// value given its prediction, the plane and whether the pixel is clear. Both
// directions share it, so they cannot disagree on a prediction. `source` gives
// the row each row is predicted from, or null to predict from the left.
template <typename Source, typename Code>
void walk(unsigned char* out, int width, int height, int channels, std::size_t rowBytes,
          Source&& source, Code&& code) {
    const Order order = orderOf(channels);
    const std::size_t step = static_cast<std::size_t>(channels);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = out + static_cast<std::size_t>(y) * rowBytes;
        const unsigned char* below = source(y, row);
        for (int x = 0; x < width; ++x) {
            unsigned char* px = row + static_cast<std::size_t>(x) * step;
            bool clear = false;
            int correction = 0;
            for (int p = 0; p < order.planes; ++p) {
                const int c = order.channel[static_cast<std::size_t>(p)];
                const int base = below != nullptr ? below[static_cast<std::size_t>(x) * step + c]
                                 : x == 0         ? 0
                                                  : px[c - static_cast<int>(step)];
                const int pred = p > order.guide && order.guide >= 0 && p != order.alpha
                                     ? std::clamp(base + correction, 0, 255)
                                     : base;
                const int value = code(pred, p, clear);
                px[c] = static_cast<unsigned char>(value);
                if (p == order.alpha) {
                    clear = value == 0;
                } else if (p == order.guide) {
                    correction = value - base;
                }
            }
        }
    }
}

// Colour errors are mostly small and move together, so a pixel's three travel
// as one symbol when each lies within kJoint of zero; deflate then spends its
// shortest codes on whole pixels. Other pixels take an escape symbol followed
// by their three errors, at the end.
constexpr int kJoint = 2;
constexpr int kJointSpan = 2 * kJoint + 1;
constexpr int kEscape = kJointSpan * kJointSpan * kJointSpan;

bool joint(int channels) {
    return channels >= 3;
}

// The planes as stored: alpha as it is, then (with three colours) one symbol per
// pixel and the escaped errors.
std::vector<unsigned char> pack(const std::vector<unsigned char>& errors, std::size_t plane,
                                int channels) {
    if (!joint(channels)) {
        return errors;
    }
    const std::size_t alphaSize = channels == 4 ? plane : 0;
    std::vector<unsigned char> out(errors.begin(), errors.begin() + static_cast<long>(alphaSize));
    std::vector<unsigned char> escaped;
    for (std::size_t i = 0; i < plane; ++i) {
        int symbol = 0;
        bool fits = true;
        for (int k = 0; k < 3; ++k) {
            const int e = static_cast<std::int8_t>(errors[alphaSize + k * plane + i]);
            fits = fits && e >= -kJoint && e <= kJoint;
            symbol = symbol * kJointSpan + e + kJoint;
        }
        if (fits) {
            out.push_back(static_cast<unsigned char>(symbol));
            continue;
        }
        out.push_back(static_cast<unsigned char>(kEscape));
        for (int k = 0; k < 3; ++k) {
            escaped.push_back(errors[alphaSize + k * plane + i]);
        }
    }
    out.insert(out.end(), escaped.begin(), escaped.end());
    return out;
}

// The same walk as `walk` for RGBA pictures, unrolled, the joint colour
// symbols read through a table. Gives exactly what walk gives.
template <typename Source>
bool decodeRgba(const unsigned char* alphaErrors, const unsigned char* symbols,
                const unsigned char* escaped, const unsigned char* end, int width, int height,
                int bound, int clearBound, unsigned char* out, std::size_t rowBytes,
                Source&& source) {
    struct Three {
        std::int8_t e[3];
    };
    static const std::array<Three, kEscape> table = [] {
        std::array<Three, kEscape> t{};
        for (int s = 0; s < kEscape; ++s) {
            t[static_cast<std::size_t>(s)] = {
                {static_cast<std::int8_t>(s / (kJointSpan * kJointSpan) - kJoint),
                 static_cast<std::int8_t>(s / kJointSpan % kJointSpan - kJoint),
                 static_cast<std::int8_t>(s % kJointSpan - kJoint)}};
        }
        return t;
    }();
    const int steps[2] = {2 * bound + 1, 2 * clearBound + 1};
    const bool exact[2] = {bound == 0, clearBound == 0};
    std::size_t pixel = 0;
    for (int y = 0; y < height; ++y) {
        unsigned char* row = out + static_cast<std::size_t>(y) * rowBytes;
        const unsigned char* below = source(y, row);
        // A row without a row to predict from predicts from the left.
        int left[4] = {0, 0, 0, 0};
        for (int x = 0; x < width; ++x, ++pixel) {
            const unsigned char* b =
                below != nullptr ? below + static_cast<std::size_t>(x) * 4 : nullptr;
            const int base[4] = {b != nullptr ? b[0] : left[0], b != nullptr ? b[1] : left[1],
                                 b != nullptr ? b[2] : left[2], b != nullptr ? b[3] : left[3]};
            const int a = (base[3] + alphaErrors[pixel]) & 0xff;
            Three three;
            const int symbol = symbols[pixel];
            if (symbol < kEscape) {
                three = table[static_cast<std::size_t>(symbol)];
            } else if (symbol == kEscape && end - escaped >= 3) {
                three = {{static_cast<std::int8_t>(escaped[0]),
                          static_cast<std::int8_t>(escaped[1]),
                          static_cast<std::int8_t>(escaped[2])}};
                escaped += 3;
            } else {
                return false;
            }
            const int k = a == 0 ? 1 : 0;
            const int step = steps[k];
            int g, r, bl;
            if (exact[k]) {
                g = (base[1] + three.e[0]) & 0xff;
                const int correction = g - base[1];
                r = (toByte(base[0] + correction) + three.e[1]) & 0xff;
                bl = (toByte(base[2] + correction) + three.e[2]) & 0xff;
            } else {
                g = toByte(base[1] + three.e[0] * step);
                const int correction = g - base[1];
                r = toByte(toByte(base[0] + correction) + three.e[1] * step);
                bl = toByte(toByte(base[2] + correction) + three.e[2] * step);
            }
            left[0] = r;
            left[1] = g;
            left[2] = bl;
            left[3] = a;
            unsigned char* px = row + static_cast<std::size_t>(x) * 4;
            px[0] = static_cast<unsigned char>(r);
            px[1] = static_cast<unsigned char>(g);
            px[2] = static_cast<unsigned char>(bl);
            px[3] = static_cast<unsigned char>(a);
        }
    }
    return escaped == end;
}

// Bound, clear bound, and the count of escaped pixels (four bytes, low first).
constexpr std::size_t kHeader = 6;
// Set in the bound's byte when the errors start with one byte per row saying
// whether that row is predicted from the reference picture's same row.
constexpr int kReferenced = 0x80;

// Predicting from below, or from the left on the bottom row.
struct FromBelow {
    std::size_t rowBytes;
    const unsigned char* operator()(int y, const unsigned char* row) const {
        return y > 0 ? row - rowBytes : nullptr;
    }
};

// Predicting each row as its mode says: from the reference's same row or from below.
struct FromModes {
    const unsigned char* modes;
    const unsigned char* reference;
    std::size_t referenceRowBytes;
    std::size_t rowBytes;
    const unsigned char* operator()(int y, const unsigned char* row) const {
        if (modes[y] != 0) {
            return reference + static_cast<std::size_t>(y) * referenceRowBytes;
        }
        return y > 0 ? row - rowBytes : nullptr;
    }
};

int clampBound(int bound) {
    return std::clamp(bound, 0, OrbPictureCodec::kLargestBound);
}

} // namespace

namespace {

// Codes a picture, each row predicted from the reference's same row where that
// looks cheaper, when there is a reference.
std::vector<unsigned char> encodeOnce(const unsigned char* pixels, int width, int height,
                                      int channels, int bound, int clearBound, int alphaBound,
                                      const unsigned char* reference,
                                      std::vector<unsigned char>& out) {
    const std::size_t plane = static_cast<std::size_t>(width) * height;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    out.assign(plane * channels, 0);
    std::vector<unsigned char> errors(out.size());
    std::vector<unsigned char> modes(reference != nullptr ? static_cast<std::size_t>(height) : 0);
    const Order order = orderOf(channels);
    // A row follows the reference when the drawn row lies closer to it than to
    // its other prediction.
    const auto source = [&](int y, const unsigned char* row) -> const unsigned char* {
        const unsigned char* below = FromBelow{rowBytes}(y, row);
        if (reference == nullptr) {
            return below;
        }
        const std::size_t start = static_cast<std::size_t>(y) * rowBytes;
        long fromBelow = 0;
        long fromReference = 0;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int drawn = pixels[start + i];
            const int other = below != nullptr ? below[i]
                              : i >= static_cast<std::size_t>(channels)
                                  ? pixels[start + i - static_cast<std::size_t>(channels)]
                                  : 0;
            fromBelow += std::abs(drawn - other);
            fromReference += std::abs(drawn - reference[start + i]);
        }
        modes[static_cast<std::size_t>(y)] = fromReference < fromBelow ? 1 : 0;
        return fromReference < fromBelow ? reference + start : below;
    };
    std::size_t pixel = 0;
    walk(out.data(), width, height, channels, rowBytes, source, [&](int pred, int p, bool clear) {
        const int c = order.channel[static_cast<std::size_t>(p)];
        const int value = pixels[pixel * channels + c];
        unsigned char& error = errors[static_cast<std::size_t>(p) * plane + pixel];
        if (p == order.planes - 1) {
            ++pixel;
        }
        if (p == order.alpha) {
            // Alpha is stored exactly, but a partly clear value may move
            // towards its prediction, which never makes it clear or opaque.
            const int target = value == 0 || value == 255
                                   ? value
                                   : std::clamp(pred, std::max(1, value - alphaBound),
                                                std::min(254, value + alphaBound));
            error = static_cast<unsigned char>(target - pred);
            return target;
        }
        const int b = clear ? clearBound : bound;
        if (b == 0) {
            error = static_cast<unsigned char>(value - pred);
            return value;
        }
        const int size = 2 * b + 1;
        const int diff = value - pred;
        const int q = diff >= 0 ? (diff + b) / size : -((b - diff) / size);
        error = static_cast<unsigned char>(static_cast<std::int8_t>(q));
        return std::clamp(pred + q * size, 0, 255);
    });
    std::vector<unsigned char> packed = pack(errors, plane, channels);
    const std::size_t unescaped = joint(channels) ? plane * (channels == 4 ? 2 : 1) : packed.size();
    const std::size_t escaped = (packed.size() - unescaped) / 3;
    packed.insert(packed.begin(), modes.begin(), modes.end());
    uLongf size = compressBound(static_cast<uLong>(packed.size()));
    std::vector<unsigned char> stream(kHeader + size);
    stream[0] = static_cast<unsigned char>(bound | (reference != nullptr ? kReferenced : 0));
    stream[1] = static_cast<unsigned char>(clearBound);
    for (int i = 0; i < 4; ++i) {
        stream[2 + i] = static_cast<unsigned char>(escaped >> (8 * i));
    }
    if (compress2(stream.data() + kHeader, &size, packed.data(), static_cast<uLong>(packed.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    stream.resize(kHeader + size);
    return stream;
}

} // namespace

std::vector<unsigned char> OrbPictureCodec::encode(const unsigned char* pixels, int width,
                                                   int height, int channels, int bound,
                                                   int clearBound, int alphaBound,
                                                   std::vector<unsigned char>* decoded,
                                                   const unsigned char* reference) {
    bound = clampBound(bound);
    clearBound = clampBound(clearBound);
    alphaBound = clampBound(alphaBound);
    std::vector<unsigned char> out;
    std::vector<unsigned char> stream =
        encodeOnce(pixels, width, height, channels, bound, clearBound, alphaBound, nullptr, out);
    if (reference != nullptr && !stream.empty()) {
        // The reference is only worth its row modes when the stream comes out shorter.
        std::vector<unsigned char> referencedOut;
        std::vector<unsigned char> referenced =
            encodeOnce(pixels, width, height, channels, bound, clearBound, alphaBound, reference,
                       referencedOut);
        if (!referenced.empty() && referenced.size() < stream.size()) {
            stream = std::move(referenced);
            out = std::move(referencedOut);
        }
    }
    if (decoded != nullptr && !stream.empty()) {
        *decoded = std::move(out);
    }
    return stream;
}

void OrbPictureCodec::decode(const unsigned char* stream, std::size_t length, int width, int height,
                             int channels, unsigned char* out, std::size_t rowBytes,
                             const unsigned char* reference, std::size_t referenceRowBytes) {
    const std::size_t packedRow = static_cast<std::size_t>(width) * channels;
    if (stream == nullptr || length < kHeader || width <= 0 || height <= 0 || channels < 1 ||
        channels > 4 || rowBytes < packedRow ||
        length - kHeader > std::numeric_limits<uLong>::max() ||
        (stream[0] & ~kReferenced) > kLargestBound || stream[1] > kLargestBound) {
        throw OrbCorruptDataTextureException();
    }
    const bool referenced = (stream[0] & kReferenced) != 0;
    if (referenced && (reference == nullptr || referenceRowBytes < packedRow)) {
        throw OrbCorruptDataTextureException();
    }
    const std::size_t modeBytes = referenced ? static_cast<std::size_t>(height) : 0;
    const std::size_t plane = static_cast<std::size_t>(width) * height;
    const bool colours = joint(channels);
    const std::size_t alphaPlane = channels == 4 ? plane : 0;
    std::size_t escapes = 0;
    for (int i = 3; i >= 0; --i) {
        escapes = escapes << 8 | stream[2 + i];
    }
    if (escapes > (colours ? plane : 0)) {
        throw OrbCorruptDataTextureException();
    }
    const std::size_t expected =
        modeBytes + (colours ? alphaPlane + plane + 3 * escapes : plane * channels);
    // Every byte read is written by zlib first, so it needs no clearing.
    const std::unique_ptr<unsigned char[]> data(new unsigned char[expected]);
    uLongf size = static_cast<uLongf>(expected);
    // Room for exactly what the header promises: a longer stream reports
    // running out of room, a shorter one a size that falls short.
    if (uncompress(data.get(), &size, stream + kHeader, static_cast<uLong>(length - kHeader)) !=
            Z_OK ||
        size != expected) {
        throw OrbCorruptDataTextureException();
    }
    const int bound = stream[0] & ~kReferenced;
    const int clearBound = stream[1];
    const Order order = orderOf(channels);
    const unsigned char* modes = data.get();
    if (std::any_of(modes, modes + modeBytes, [](unsigned char m) { return m > 1; })) {
        throw OrbCorruptDataTextureException();
    }
    const FromModes source{referenced ? modes : nullptr, reference, referenceRowBytes, rowBytes};
    const auto rowSource = [&](int y, const unsigned char* row) -> const unsigned char* {
        return referenced ? source(y, row) : FromBelow{rowBytes}(y, row);
    };
    const unsigned char* e = data.get() + modeBytes;
    const unsigned char* symbols = e + alphaPlane;
    const unsigned char* escaped = symbols + plane;
    const unsigned char* end = data.get() + size;
    if (channels == 1) {
        // Alpha alone is always exact: each row is the one below plus its
        // errors, which the compiler does many bytes at a time.
        for (int y = 0; y < height; ++y) {
            unsigned char* row = out + static_cast<std::size_t>(y) * rowBytes;
            const unsigned char* errors = e + static_cast<std::size_t>(y) * width;
            const unsigned char* below = rowSource(y, row);
            if (below == nullptr) {
                unsigned char left = 0;
                for (int x = 0; x < width; ++x) {
                    left = static_cast<unsigned char>(left + errors[x]);
                    row[x] = left;
                }
                continue;
            }
            for (int x = 0; x < width; ++x) {
                row[x] = static_cast<unsigned char>(below[x] + errors[x]);
            }
        }
        return;
    }
    if (channels == 4) {
        const bool whole = referenced ? decodeRgba(e, symbols, escaped, end, width, height, bound,
                                                   clearBound, out, rowBytes, source)
                                      : decodeRgba(e, symbols, escaped, end, width, height, bound,
                                                   clearBound, out, rowBytes, FromBelow{rowBytes});
        if (!whole) {
            throw OrbCorruptDataTextureException();
        }
        return;
    }
    bool damaged = false;
    std::array<int, 3> three{};
    std::size_t pixel = 0;
    walk(out, width, height, channels, rowBytes, rowSource, [&](int pred, int p, bool clear) {
        int error;
        if (p == order.alpha) {
            error = e[pixel];
        } else if (!colours) {
            error = e[static_cast<std::size_t>(p) * plane + pixel];
        } else {
            const int k = p - (order.alpha >= 0 ? 1 : 0);
            if (k == 0) {
                const int symbol = symbols[pixel];
                if (symbol < kEscape) {
                    three = {symbol / (kJointSpan * kJointSpan) - kJoint,
                             symbol / kJointSpan % kJointSpan - kJoint,
                             symbol % kJointSpan - kJoint};
                } else if (symbol == kEscape && end - escaped >= 3) {
                    three = {static_cast<std::int8_t>(escaped[0]),
                             static_cast<std::int8_t>(escaped[1]),
                             static_cast<std::int8_t>(escaped[2])};
                    escaped += 3;
                } else {
                    damaged = true;
                    three = {0, 0, 0};
                }
            }
            error = three[static_cast<std::size_t>(k)] & 0xff;
        }
        if (p == order.planes - 1) {
            ++pixel;
        }
        const int b = p == order.alpha ? 0 : clear ? clearBound : bound;
        if (b == 0) {
            return (pred + error) & 0xff;
        }
        return std::clamp(pred + static_cast<std::int8_t>(error) * (2 * b + 1), 0, 255);
    });
    // Every escape must have found its errors, and nothing may be left over.
    if (damaged || (colours && escaped != end)) {
        throw OrbCorruptDataTextureException();
    }
}

std::vector<unsigned char> OrbPictureCodec::decode(const unsigned char* stream, std::size_t length,
                                                   int width, int height, int channels) {
    if (width <= 0 || height <= 0 || channels < 1 || channels > 4) {
        throw OrbCorruptDataTextureException();
    }
    std::vector<unsigned char> out(static_cast<std::size_t>(width) * height * channels);
    decode(stream, length, width, height, channels, out.data(),
           static_cast<std::size_t>(width) * channels);
    return out;
}

std::vector<std::vector<unsigned char>> OrbPictureCodec::decodeFrames(const OrbEmbeddedData* frames,
                                                                      int count, int width,
                                                                      int height, int channels) {
    if (frames == nullptr || count < 0 || width <= 0 || height <= 0 || channels < 1 ||
        channels > 4) {
        throw OrbCorruptDataTextureException();
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    std::vector<std::vector<unsigned char>> out;
    for (int i = 0; i < count; ++i) {
        const OrbEmbeddedData& frame = frames[i];
        if (frame.size != rowBytes * static_cast<std::size_t>(height)) {
            throw OrbCorruptDataTextureException();
        }
        std::vector<unsigned char> pixels(frame.size);
        decode(frame.bytes, frame.compressedSize, width, height, channels, pixels.data(), rowBytes,
               out.empty() ? nullptr : out.back().data(), rowBytes);
        out.push_back(std::move(pixels));
    }
    return out;
}
