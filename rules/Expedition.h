#pragma once
// The state of exploring: where the party is and how deep, the encounter
// pressure, the checkpoints reached per area, and the quest flags that
// outlive one expedition (hunt switches, clear levels, the defeat count).
// Plain data: the game keeps one process-wide record; tests and simulators
// make their own copies and drive them.
#include <array>
#include <cstdint>
#include <vector>

#include "content/ContentDatabase.h"
#include "engine/text/WString.h"
#include "rules/BattleState.h"
#include "rules/PartyState.h"

inline constexpr int32_t kDeepestDepth = 49;
inline constexpr int32_t kStepsPerDepth = 10;
inline constexpr int32_t kPressurePerQuietStep = 150;

struct ExpeditionState {
    int32_t area = 0;
    int32_t depth = 0;     // 0-49, shown as "探索Lv"
    int32_t step = 0;      // 0-9; the tenth step goes one depth further
    int32_t pressure = 0;  // grows on quiet steps, makes encounters likelier
    // Per area: the highest depth / 10 ever reached there. The start depths
    // offered are 0, 10, ..., 10 x checkpoint.
    std::array<int32_t, kAreaCapacity> checkpoints{};
    int32_t currentQuest = -1;  // the quest being fought, -1 otherwise
    // Per quest. Hunt switches: 1 "討伐", 0 "無視".
    std::array<uint8_t, kQuestCapacity> hunt{};
    std::array<uint8_t, kQuestCapacity> defeatedThisExpedition{};
    // The party level at the first defeat; 0 = never defeated.
    std::array<int32_t, kQuestCapacity> clearLevel{};
    // First defeats so far ("撃破数"); also the shop's stock level.
    int32_t questsDefeated = 0;
    WString message;  // "Get %S" after a find
};

// The game's own record.
ExpeditionState& GameExpedition();

// The start depths offered for `area`: 0, 10, ... up to its checkpoint.
std::vector<int32_t> StartDepths(const ExpeditionState& expedition, int32_t area);

// Leaving town: the expedition starts at `startDepth` (kept within the
// depths the area has), the carried items become this expedition's battle
// actions with their uses full, and every quest may be met again.
void Depart(ExpeditionState& expedition, const PartyState& party, BattleState& battle, int32_t area,
            int32_t startDepth);

// How many of an area's findable recipes, quest notices and business cards
// the party holds, against how many different ones its finds offer (the
// area choice panel).
struct Collected {
    int32_t owned = 0;
    int32_t total = 0;
};
struct AreaCollection {
    Collected recipes;
    Collected notices;
    Collected cards;
};
AreaCollection CountAreaCollection(const PartyState& party, int32_t area);
