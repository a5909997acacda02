#pragma once

#include <ostream>
#include <string>
#include <vector>

class GvLevelPack;

// The two commands of gravik-pack that draw with the game's renderer. The caller
// has resolved PACK and LEVEL; `options` are the arguments after them. The result
// is the exit code; messages go to `err`.

// shot: --out FILE.png [--input MOVES] [--ticks N] [--tile PIXELS]
int runShotCommand(const GvLevelPack& pack, int level, const std::vector<std::string>& options,
                   std::ostream& out, std::ostream& err);
// shot --sheet: --out FILE.png [--tile PIXELS]; the first level of every cave in one
// picture, a contact sheet for comparing caves side by side.
int runSheetCommand(const GvLevelPack& pack, const std::vector<std::string>& options,
                    std::ostream& out, std::ostream& err);
// preview: --out FILE.png
int runPreviewCommand(const GvLevelPack& pack, int level, const std::vector<std::string>& options,
                      std::ostream& out, std::ostream& err);
