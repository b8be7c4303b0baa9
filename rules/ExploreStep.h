#pragma once
// One step deeper into the area: every tenth step goes one depth further
// and renews the shop; the others may meet a quest monster, find goods or
// run into enemies as the encounter pressure builds.
#include <cstdint>

#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

namespace StepKind {
inline constexpr int32_t kQuiet = 0;
inline constexpr int32_t kDeeper = 1;     // the tenth step: depth, checkpoint, shop
inline constexpr int32_t kQuest = 2;      // a quest monster was met
inline constexpr int32_t kFind = 3;       // goods were found
inline constexpr int32_t kEncounter = 4;  // enemies were met
}  // namespace StepKind

// The sound of a find (a file in the sound folder, without extension).
inline constexpr const char* kFindSound = "power21";
// r below this is a find: trunc(1000 x 2.0).
inline constexpr int32_t kFindThreshold = 2000;

struct StepResult {
    int32_t kind = StepKind::kQuiet;
    PackedItem found = 0;
    Encounter encounter;  // for kQuest and kEncounter
    WString sound;        // empty: none beyond the step's own
};

// One step. A quest battle or an encounter is returned, not started; the
// expedition's current quest is set (-1 for an encounter). A find is given
// to the party and described in the expedition's message.
// The draws cannot hang: after kMaxRedraws find draws without goods that
// can be taken the step finds nothing; an encounter that comes out empty
// (no row for the depth) is no battle.
StepResult TakeStep(ExpeditionState& expedition, PartyState& party);

// The step as the exploration screen takes it: a battle that was met is
// started at once (sub-state 0, its music requested).
StepResult ExploreStep(ExpeditionState& expedition, PartyState& party, BattleState& battle);
