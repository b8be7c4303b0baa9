#pragma once
// One action of one unit on one target (phase 0), or the effects that open
// a unit's turn (phase 1): every battle formula lives here.
#include "rules/BattleState.h"

namespace ResolvePhase {
inline constexpr int32_t kApply = 0;
inline constexpr int32_t kTurnStart = 1;
}  // namespace ResolvePhase

// False when, after a phase-0 application, one side has no standing unit
// left; phase 1 always gives true. In phase 1 the target and skill are
// not used.
bool ResolveOnTarget(BattleState& battle, int32_t targetIndex, int32_t actorIndex,
                     const SkillData& skill, int32_t phase);

// Percent chances of hitting and of a critical hit, with the status
// shifts and the hp-dependent abilities applied; lostA and lostT are the
// shares of hp the actor and the target have lost. The critical chance is
// not capped after raises, so it may exceed 100.
int32_t HitChance(const BattleUnit& actor, const BattleUnit& target, const SkillData& skill,
                  double lostA, double lostT);
int32_t CriticalChance(const BattleUnit& actor, const BattleUnit& target, const SkillData& skill,
                       double lostA, double lostT);

// True while both sides still have a standing unit.
bool BothSidesStanding(const BattleState& battle);
