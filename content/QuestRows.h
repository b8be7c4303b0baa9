#pragma once
// The rows of the quest table as data: one subjugation notice per row.
#include <cstdint>
#include <span>

struct QuestRow {
    int32_t id;
    const char* title;
    const char* enemies;  // enemy ids
    const char* rows;     // one per enemy: 0 front, 1 back
    int32_t area, minLevel, maxLevel, chance;
    const char* music;
    int32_t recommendedLevel, rewardGold;
    const char* rewards;         // goods:quality
    const char* reinforcements;  // enemy:period in ticks
};

std::span<const QuestRow> QuestRows();
