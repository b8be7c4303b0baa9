#pragma once
// The rows of the area table as data: the areas themselves, the monsters
// met at each level and the goods found there.
#include <cstdint>
#include <span>

struct AreaRow {
    int32_t id;
    const char* name;
    int32_t background;  // "image\back\%d.bmp"
    const char* fieldMusic;
    const char* battleMusic;
    int32_t budgetBase, budgetStep;
};

struct EncounterLine {
    int32_t area;
    int32_t enemy, cost, minLevel, maxLevel, chance;
};

// One find row, or a run of `count` rows for goods, goods + step, ...
// that share everything else.
struct FindLine {
    int32_t area;
    int32_t goods, baseQuality, qualitySpread, minLevel, maxLevel, chance;
    int32_t count = 1;
    int32_t step = 1;
};

std::span<const AreaRow> AreaRows();
std::span<const EncounterLine> EncounterLines();
std::span<const FindLine> FindLines();
