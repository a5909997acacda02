#pragma once

#include "platform/OrbEmbeddedData.h"

#include <memory>
#include <string>
#include <vector>

class GvLevelPack;

// The level pack that ships inside the program. Its text is compressed at build
// time and linked in by the library gravik_standard_pack, which defines these
// functions; whatever uses them links that library.

// The embedded zlib stream of the standard pack's text.
const OrbEmbeddedData& gvStandardPackData();

// Reads a level pack carried in the program's data through the same reading frame
// as pack files. Throws GvCorruptException when the data does not inflate to its
// stated size or the reader returns no pack; the reader's messages, if any, are
// appended to `messages` first so that a tool can say what is wrong with it.
std::unique_ptr<GvLevelPack> loadEmbeddedLevelPack(const OrbEmbeddedData& data,
                                                   std::vector<std::string>* messages = nullptr);

// loadEmbeddedLevelPack over gvStandardPackData().
std::unique_ptr<GvLevelPack> loadStandardPack(std::vector<std::string>* messages = nullptr);
