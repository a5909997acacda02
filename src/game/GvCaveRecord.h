#pragma once

#include "platform/GvInputRecording.h"

// What is kept about one level that has been completed: how often, the running totals,
// and the two best runs (by diamonds and by time left) with their input, so that they
// can be replayed. Times are in ticks.
struct GvCaveRecord {
    int completions = 0;
    int totalDiamonds = 0;
    int totalTimeLeft = 0;
    int bestDiamonds = 0;
    int bestDiamondsTimeLeft = 0;
    GvInputRecording bestDiamondsRecording;
    int bestTimeDiamonds = 0;
    int bestTimeLeft = 0;
    GvInputRecording bestTimeRecording;

    bool operator==(const GvCaveRecord&) const = default;
};
