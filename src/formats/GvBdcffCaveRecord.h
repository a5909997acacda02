#pragma once

#include "formats/GvBdcffObject.h"
#include "formats/GvBdcffSize.h"
#include "levelpack/GvDemoStep.h"
#include "sim/GvPackedObjectType.h"

#include <string>
#include <vector>

// Everything a BDCFF cave section says, as read: per-level lists keep as many
// values as were given, so that the conversion can tell missing ones apart.
struct GvBdcffCaveRecord {
    std::string name;
    std::string description;
    std::string author;
    std::string date;
    std::string web;
    bool intermission = false;
    // Unset: the game's default size for caves or intermissions.
    bool hasSize = false;
    GvBdcffSize size;
    std::vector<int> diamondsRequired;
    std::vector<int> caveTime;
    std::vector<int> caveDelay;
    std::vector<int> randSeed;
    std::vector<int> magicWallTime{0};
    std::vector<int> amoebaTime{0};
    std::vector<int> hatchingDelay{25};
    GvPackedObjectType initialFill = GvPackedObjectType::dirt;
    double amoebaSlowChance = 0.03;
    double amoebaFastChance = 0.25;
    // A fraction of the cave's area.
    double amoebaThreshold = 0.227;
    std::vector<double> slimePermeability{0.125};
    std::vector<GvBdcffObject> objects;
    std::vector<GvDemoStep> demo;
};
