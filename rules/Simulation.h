#pragma once
// Headless battles for balancing: a simple command policy for the party and
// the loop that runs one battle to its end with the real rules. Shared by
// the battle and exploration simulators.
#include <array>
#include <cstdint>
#include <vector>

#include "rules/BattleState.h"

// What the policy picked for one member: a command and, for actions aimed
// at one unit, its target (kAutoTarget otherwise).
struct PolicyChoice {
    int32_t command = -1;
    int32_t target = kAutoTarget;
};

// Revive a fallen member if it can; heal the most hurt member when one is
// below half its hp; else the affordable damage command with the highest
// estimate, aimed at the weakest enemy.
PolicyChoice ChooseByPolicy(const BattleState& battle, const PartyState& party, int32_t unitIndex);

// Who commands the party: ChooseByPolicy, or another player's choices (the
// automatic player's, for the balance report). Called with the command menu
// open, so `battle.commands` lists what the member may choose.
using CommandPolicy = PolicyChoice (*)(const BattleState& battle, const PartyState& party, int32_t unitIndex);

// Answers sub-states 1 to 3 with the policy until the battle runs again.
void AnswerCommands(BattleState& battle, const PartyState& party, CommandPolicy policy = ChooseByPolicy);

namespace SimResult {
inline constexpr int32_t kWon = 0;
inline constexpr int32_t kLost = 1;
inline constexpr int32_t kTimedOut = 2;
}  // namespace SimResult

struct BattleOutcome {
    int32_t result = SimResult::kTimedOut;
    int64_t ticks = 0;
    int32_t gold = 0;
    int32_t experience = 0;
    int32_t partyFalls = 0;
};

inline constexpr int64_t kSimTickLimit = 200000;

// Runs the battle from StartBattle to its end (or the tick limit). The
// victory's rewards are paid into `party`; the result screen is not
// confirmed, so the levels reached stay pending.
BattleOutcome RunBattle(BattleState& battle, PartyState& party, const Encounter& encounter,
                        int64_t tickLimit = kSimTickLimit, CommandPolicy policy = ChooseByPolicy);

struct MemberSetup {
    int32_t character = 0;
    // Replaces the character's equipment when `equip` is set.
    bool equip = false;
    std::array<PackedItem, CharacterData::kEquipmentSlots> equipment{};
};

struct BattleSimSetup {
    std::vector<MemberSetup> members;
    int32_t level = 1;
    std::array<PackedItem, kCarriedSlots> carried{};
    int32_t area = 0;
    int32_t depth = 0;
    int32_t quest = -1;  // a quest battle instead of random encounters
    // Battles fought on one expedition. Carried items' uses are restored
    // only at departure, so they run down over an expedition's battles; a
    // lost battle sends the party home. For a quest, the quest battle comes
    // last, after this many less one random battles at the first level of
    // its window (a quest is met at most once per expedition).
    int32_t expeditionBattles = 1;
    CommandPolicy policy = ChooseByPolicy;
};

inline constexpr int32_t kDefaultExpeditionBattles = 10;

struct BattleSimSummary {
    int32_t expeditions = 0;
    int32_t battles = 0;  // counted battles: every battle, or the quest battles
    int32_t wins = 0;
    int32_t losses = 0;
    int32_t timeouts = 0;
    double meanTicks = 0;
    double meanGold = 0;
    double meanExperience = 0;
    double fallsPerBattle = 0;
    int32_t questNotReached = 0;  // expeditions lost before their quest battle
};

// A party as the game would have it: the members hired and in the party,
// their equipment set and the level applied to the character rows (which
// this changes), the carried items given.
PartyState PrepareSimParty(const BattleSimSetup& setup);

// Expeditions from the same prepared party, the generator seeded with
// `seed`, until `count` battles are counted (for a quest: until `count`
// expeditions have set out). Each expedition starts with the carried items'
// uses full, as a departure does, and keeps what its battles leave.
BattleSimSummary SimulateBattles(const BattleSimSetup& setup, int32_t count, uint32_t seed);
