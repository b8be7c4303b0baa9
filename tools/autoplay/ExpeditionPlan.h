#pragma once
// Where the automatic player goes: the area it is working through, the
// start depth it trusts, and which bounties it hunts. Read from the quest
// notices, the carried maps and what it remembers of earlier expeditions.
#include <array>
#include <cstdint>
#include <vector>

#include "rules/Expedition.h"
#include "rules/PartyState.h"

// What the player remembers per area.
struct AreaMemory {
    int32_t safeStart = 0;  // the start depth it trusts
    int32_t deepest = -1;   // the deepest depth reached, -1 never entered
};
using AreaMemories = std::array<AreaMemory, kAreaCapacity>;

// A quest with a known recommended level (the "???" ones are not rated).
bool RatedQuest(int32_t quest);
std::vector<int32_t> RatedQuests(int32_t area);
// Reached depth 49 and cleared every rated quest of the area.
bool AreaMastered(const ExpeditionState& expedition, const AreaMemories& memory, int32_t area);

// Levels below the recommended level at which a bounty is switched on.
inline constexpr int32_t kHuntMargin = 2;
// Switched on: a carried rated notice not cleared yet, the party close to
// its recommended level (plus `extra` levels, after losses to it).
bool WantHunt(const PartyState& party, const ExpeditionState& expedition, int32_t quest,
              int32_t extra = 0);

struct ExpeditionChoice {
    int32_t area = 0;
    int32_t startDepth = 0;
    int32_t targetDepth = kDeepestDepth;
};
// The first carried area with work left (depths not reached, a held
// notice not cleared), else one whose finds still hold notices or cards,
// else the newest; after a quick defeat there, the area before it once.
ExpeditionChoice ChooseExpedition(const PartyState& party, const ExpeditionState& expedition,
                                  const AreaMemories& memory, bool retreat);

// After an expedition: a quick defeat lowers the trusted start, a good
// run from it raises it (never past the checkpoint).
void LearnFromExpedition(AreaMemory& memory, const ExpeditionState& expedition, int32_t area,
                         int32_t startDepth, int32_t deepestThisTime, bool defeated);

// A hunted quest of the area whose depth window reaches `depth` or deeper.
bool HuntAhead(const PartyState& party, const ExpeditionState& expedition, int32_t area,
               int32_t depth);
