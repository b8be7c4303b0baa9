#pragma once
// Headless expeditions for balancing: a party departs, steps down to a
// target depth with the real exploration rules and fights every battle it
// meets with the battle simulator's policy and run loop.
#include <cstdint>

#include "rules/Expedition.h"
#include "rules/Simulation.h"

struct ExploreSimSetup {
    BattleSimSetup party;  // members, level and carried items; the area is below
    int32_t area = 0;
    int32_t startDepth = 0;
    int32_t targetDepth = 10;
    // Goods held at departure besides the equipment (notices, maps, recipes).
    std::vector<PackedItem> holdings;
    // Switch on the hunt of every notice held at departure.
    bool hunt = true;
};

namespace ExpeditionEnd {
inline constexpr int32_t kReturned = 0;  // reached the target depth and went home
inline constexpr int32_t kDefeated = 1;
inline constexpr int32_t kTimedOut = 2;  // a battle ran past the simulator's tick limit
}  // namespace ExpeditionEnd

struct ExpeditionOutcome {
    int32_t end = ExpeditionEnd::kReturned;
    int32_t steps = 0;
    int32_t finds = 0;
    int32_t battles = 0;  // quest battles included
    int32_t wins = 0;
    int32_t questsMet = 0;
    int32_t questsCleared = 0;  // first defeats
    int64_t goldGained = 0;     // the purse at the end less the purse at departure
    int32_t levelReached = 0;
    int32_t depthReached = 0;
};

// One expedition with the party and expedition given, which it changes
// (the character rows too, through the levels gained).
ExpeditionOutcome RunExpedition(ExpeditionState& expedition, PartyState& party, BattleState& battle,
                                int32_t area, int32_t startDepth, int32_t targetDepth,
                                CommandPolicy policy = ChooseByPolicy);

struct ExploreSimSummary {
    int32_t expeditions = 0;
    int32_t returned = 0;
    int32_t defeated = 0;
    int32_t timedOut = 0;
    int64_t steps = 0;
    int64_t finds = 0;
    int64_t battles = 0;
    int64_t wins = 0;
    int64_t questsMet = 0;
    int64_t questsCleared = 0;
    int64_t goldGained = 0;
    int64_t levelsReached = 0;  // summed over the expeditions
    int64_t depthsReached = 0;
};

// `count` independent expeditions from the same prepared party, the
// generator seeded with `seed`. The character rows are put back as the
// preparation left them before each expedition and at the end.
ExploreSimSummary SimulateExpeditions(const ExploreSimSetup& setup, int32_t count, uint32_t seed);
