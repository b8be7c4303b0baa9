#pragma once
// The state of the battle in progress: the unit list, the sub-state that
// the battle screens drive, the command input, reinforcements, rewards and
// the requests for the screen layer (sounds, music). Plain data: the game
// keeps one process-wide record; tests and simulators make their own.
#include <array>
#include <cstdint>
#include <vector>

#include "rules/BattleUnit.h"
#include "rules/PartyState.h"

namespace BattleSubState {
inline constexpr int32_t kRunning = 0;
inline constexpr int32_t kReady = 1;    // a party member's turn came
inline constexpr int32_t kCommand = 2;  // command menu open
inline constexpr int32_t kTarget = 3;   // choosing a target
inline constexpr int32_t kLost = 4;
inline constexpr int32_t kWon = 5;
}  // namespace BattleSubState

namespace BattleEnd {
inline constexpr int32_t kUndecided = 0;
inline constexpr int32_t kDefeat = 1;
inline constexpr int32_t kVictory = 2;
}  // namespace BattleEnd

// The music played when the party is beaten (a file in the music folder).
inline constexpr const char* kDefeatJingle = "defeat.mid";

// What exploration hands to StartBattle.
struct Encounter {
    std::vector<int32_t> enemies;  // enemy ids, in encounter order
    std::vector<int32_t> rows;     // parallel to enemies: 0 front, 1 back
    WString music;                 // empty: the area's battle music
    int32_t area = -1;
    int32_t quest = -1;            // -1 for an ordinary encounter
    std::vector<WeightedId> reinforcements;  // (enemy id, period in ticks)
};

struct Reinforcement {
    int32_t enemyId = 0;
    int32_t period = 0;  // ticks
    int32_t counter = 0;
};

struct BattleState {
    // Enemies first in encounter order, then the party in party order,
    // then reinforcements as they arrive.
    std::vector<BattleUnit> units;
    int32_t subState = BattleSubState::kRunning;
    std::vector<int32_t> ready;  // party members whose turn came this tick
    int32_t readyPosition = 0;
    // Command menu and target choice.
    std::vector<int32_t> commands;    // of the member choosing
    int32_t chosenCommand = -1;       // waiting for its target
    int32_t targetSide = UnitSide::kEnemy;
    std::vector<int32_t> candidates;  // unit indices
    int32_t cursor = 0;
    int32_t lastTarget = -1;
    std::vector<Reinforcement> reinforcements;
    // Uses left per carried-item slot; they last for the whole expedition,
    // so StartBattle keeps them.
    std::array<int32_t, kCarriedSlots> itemUses{};
    int32_t area = -1;
    int32_t quest = -1;
    // Result screen.
    int32_t rewardGold = 0;
    int32_t rewardExp = 0;
    std::vector<PackedItem> obtained;
    int32_t levelBefore = 0;
    int32_t levelAfter = 0;
    int32_t fadeFrames = 0;  // the end fade; the result is confirmed after it
    // Bookkeeping for the screens and the simulator.
    int64_t elapsedTicks = 0;
    int32_t partyFalls = 0;
    // Requests to the screen layer, which plays and clears them:
    // file names in the sound folder and in the music folder.
    std::vector<WString> soundRequests;
    WString musicRequest;
};

// The game's own record.
BattleState& GameBattle();

// Builds the battle list from the encounter and the party, sets sub-state
// 0, lays the units out and asks for the battle music.
void StartBattle(BattleState& battle, const PartyState& party, const Encounter& encounter);
// A reinforcement joins, in the back row unless a draw reaches its front chance.
void AddEnemyUnit(BattleState& battle, int32_t enemyId);

// Statuses, gauge and the lineage states at the start and on revival;
// `keepEpMp` (revival) leaves ep and mp as they are.
void InitBattleStatus(BattleUnit& unit, bool keepEpMp);
// What a fallen or fled unit keeps: no gauge, no action, no status.
void ClearBattleStatus(BattleUnit& unit);

// BattleEnd value: defeat when no party member stands, victory when no enemy does.
int32_t CheckBattleEnd(const BattleState& battle);
