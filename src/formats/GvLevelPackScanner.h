#pragma once

#include "formats/GvLevelPackEntry.h"

#include <string>
#include <vector>

class GvLevelPack;

// Lists the built-in pack and every ".grv" and ".bd" file (extension in any letter
// case) in the pack folders (the program's, the player's and the installed one),
// reading only the header of each file. Entries of
// `list` (the previous scan) whose file has the same path, size and time are reused
// without reading the file again; the rest are discarded. The result is sorted by name
// in natural order, then built-in first, then by path in natural order. A file that
// cannot be read or is not a level pack is still listed, under its file name.
void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn);

// The same over a given folder (ending in '/').
void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn, const std::string& folder);

// The same over several folders (each ending in '/'), making one list. A file reached
// twice (through a link, or through two names of one folder) is listed once, under the
// path it was first found at.
void scanLevelPacks(GvLevelPackList& list, const GvLevelPack& builtIn,
                    const std::vector<std::string>& folders);

// Natural order of two names, ignoring letter case: when both end in numbers that
// differ and the texts before the numbers have the same length and are equal, the
// smaller number comes first ("Pack 9" before "Pack 10"); otherwise the whole texts
// are compared. Negative, zero or positive like strcmp.
int compareNaturally(const std::string& a, const std::string& b);
