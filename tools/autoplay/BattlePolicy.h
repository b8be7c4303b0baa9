#pragma once
// The automatic player's choice in battle, made from what the battle screen
// shows: the units with their hp and status marks, the commanding member's
// command list and the enemies' weaknesses. Revive, heal, lift an ailment,
// in a bounty's fight raise the party once, else the strongest affordable
// attack aimed where it does the most.
#include <cstdint>
#include <vector>

#include "rules/BattleState.h"
#include "rules/Simulation.h"

struct BattleChoice {
    int32_t command = -1;          // one of the listed commands
    int32_t target = kAutoTarget;  // unit index for actions aimed at one unit
};

// Share of max hp below which a standing member is healed.
inline constexpr double kHealBelow = 0.45;

// `commands` as the menu lists them; `quest` battles may spend attack items.
BattleChoice ChooseBattleCommand(const BattleState& battle, const std::vector<int32_t>& commands,
                                 int32_t unitIndex, bool quest);

// The same choice for the simulators, which open the command menu
// themselves: the balance report fights as the automatic player does.
PolicyChoice AutoplayCommandPolicy(const BattleState& battle, const PartyState& party, int32_t unitIndex);

// Expected damage of one hit of `skill` by `actor` on `target`: the rules'
// type and element factors, without the random rolls.
double ExpectedHit(const BattleUnit& actor, const SkillData& skill, const BattleUnit& target);

// The next button of the target choice toward unit `wanted`: up to switch
// sides, right or left (the shorter way round), decide on it. Decide too
// when the unit is not among the candidates, so the choice always ends.
int32_t TargetButton(const BattleState& battle, int32_t wanted);
