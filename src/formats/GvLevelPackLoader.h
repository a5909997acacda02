#pragma once

#include <memory>
#include <string>
#include <vector>

class GvLevelPack;
class OrbStream;

// Reads a level pack in any format the program knows, chosen by the first
// significant line of the stream, and gives its caves their codes. On failure
// returns null and appends one or two messages to `messages` (when given).
// With `headerOnly`, only the pack's header texts and variant count are read.
// Stream failures are not turned into messages: OrbStreamException passes
// through, as the caller knows which file it was reading.
// The format that the first significant line of a stream announces. The stream's
// position is left where it was.
enum class GvLevelPackFormat { unknown, grv, grv1, bdcff };
GvLevelPackFormat detectLevelPackFormat(OrbStream& stream);

std::unique_ptr<GvLevelPack> loadLevelPack(OrbStream& stream, std::vector<std::string>* messages,
                                           bool headerOnly);
