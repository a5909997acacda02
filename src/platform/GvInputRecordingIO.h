#pragma once

#include "platform/GvInputRecording.h"

class OrbStream;

// The byte form of a recording as stored in files: per run a code byte naming the
// input and a count byte, runs longer than 255 ticks split into several pieces,
// then a 0 byte. Reading joins pieces of the same input again.
class GvInputRecordingIO {
public:
    // Runs whose input cannot be stored (not 0, a single direction, or a direction
    // with snap) are left out.
    static void write(OrbStream& stream, const GvInputRecording& recording);
    // Throws OrbStreamException on an unknown code, a zero count, or data that ends
    // before the terminator.
    static GvInputRecording read(OrbStream& stream);

    // The code byte of an input value, or 0 when it has none.
    static int codeOfMoves(GvInputBits moves);
};
