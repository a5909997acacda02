#pragma once

#include "formats/GvBdcffCaveRecord.h"
#include "formats/GvBdcffGameRecord.h"
#include "sim/GvWrapMode.h"

#include <memory>
#include <vector>

class GvCaveDef;
class GvLevelPack;
class GvUnpackGrid;

// Turns the records of a BDCFF file into a level pack: each cave becomes one
// cave whose variants are the file's difficulty levels. BDCFF gives times in
// seconds of a clock that runs slower the more a cave holds, so each level's
// tick rate is derived from what the level draws.
class GvBdcffConverter {
public:
    // The pack's texts and number of variants, without caves.
    static std::unique_ptr<GvLevelPack> header(const GvBdcffGameRecord& game);

    // The whole pack. Throws the message as a string when there are no caves or a
    // cave lacks times or diamond quotas for some level.
    static std::unique_ptr<GvLevelPack> convert(const GvBdcffGameRecord& game,
                                                const std::vector<GvBdcffCaveRecord>& caves);

    // The tenths of a tick per second for a level whose drawing came out as
    // `grid`: between 60 and 100.
    static int tickRateTenths(const GvUnpackGrid& grid, int caveDelay, int amoebaSizeLimit);

    // Stepped when some row is not closed by steel or exits at both ends,
    // vertical when only some column is not, none when the cave is closed.
    static GvWrapMode wrapModeOf(const GvUnpackGrid& grid);

    // Draws a cave's level as the level builder would.
    static void draw(const GvCaveDef& cave, int v, GvUnpackGrid& grid);

private:
    static std::unique_ptr<GvCaveDef> convertCave(const GvBdcffGameRecord& game,
                                                  const GvBdcffCaveRecord& record, int index);
};
