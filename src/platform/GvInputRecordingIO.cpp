#include "platform/GvInputRecordingIO.h"

#include "platform/OrbStream.h"
#include "platform/OrbStreamException.h"

#include <climits>

namespace {

// Input value of code bytes 1..9; code 0 ends a recording.
constexpr GvInputBits kMovesOfCode[10] = {-1, 0, 1, 17, 2, 18, 4, 20, 8, 24};

int readByte(OrbStream& stream) {
    const int byte = stream.getByte();
    if (byte < 0) {
        throw OrbStreamException();
    }
    return byte;
}

} // namespace

int GvInputRecordingIO::codeOfMoves(GvInputBits moves) {
    for (int code = 1; code <= 9; ++code) {
        if (kMovesOfCode[code] == moves) {
            return code;
        }
    }
    return 0;
}

void GvInputRecordingIO::write(OrbStream& stream, const GvInputRecording& recording) {
    for (const GvInputRun& run : recording) {
        const int code = codeOfMoves(run.moves);
        if (code == 0) {
            continue;
        }
        for (int remaining = run.count; remaining >= 1;) {
            const int piece = remaining < 256 ? remaining : 255;
            stream.putByte(code);
            stream.putByte(piece);
            remaining -= piece;
        }
    }
    stream.putByte(0);
}

GvInputRecording GvInputRecordingIO::read(OrbStream& stream) {
    GvInputRecording recording;
    for (;;) {
        const int code = readByte(stream);
        if (code == 0) {
            return recording;
        }
        if (code > 9) {
            throw OrbStreamException();
        }
        const int count = readByte(stream);
        // The writer never stores an empty piece, so one means the data is damaged;
        // letting it through would put a run of no ticks into a replay.
        if (count == 0) {
            throw OrbStreamException();
        }
        const GvInputBits moves = kMovesOfCode[code];
        if (!recording.empty() && recording.back().moves == moves) {
            if (recording.back().count > INT_MAX - count) {
                throw OrbStreamException();
            }
            recording.back().count += count;
        } else {
            recording.push_back(GvInputRun{moves, count});
        }
    }
}
