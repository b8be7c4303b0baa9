#pragma once
// The balance figures that need battles fought again: a party the automatic
// player took out, set up in the simulators at another level and fought
// with the automatic player's own command choices.
#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "rules/CharacterSnapshot.h"
#include "rules/Simulation.h"
#include "tools/autoplay/PlayRecord.h"

struct SimParty {
    std::vector<MemberSetup> members;
    std::array<PackedItem, kCarriedSlots> carried{};
};

SimParty PartyOf(const Departure& departure);
// The same goods at the best quality: equipment and carried items at 100.
SimParty AtBestQuality(SimParty party);
// Every carried slot holds `item` at `quality`.
SimParty CarryingOnly(SimParty party, int32_t item, int32_t quality);

// The party of the first departure after expedition `expedition` (1-based
// count), or the last one; null when the record holds none.
const Departure* DepartureAfter(const PlayRecord& record, int32_t expedition);
// The party that set out on expedition `expedition`, or the nearest before.
const Departure* DepartureOf(const PlayRecord& record, int32_t expedition);

// Usable items the first `areas` areas can give: their finds, the drops of
// their monsters and quest monsters, their quests' rewards, the shop rows
// open after `shopProgress` quests, and what the recipes among those make
// from such goods; each id with the best quality its source gives (made
// goods: as synthesis makes them from the best of those ingredients).
std::map<int32_t, int32_t> EarlyConsumables(int32_t areas, int32_t shopProgress);

// The party the automatic player took out when its level was `level`: the
// last departure at that level or below (the first departure below it all).
const Departure* DepartureAtLevel(const PlayRecord& record, int32_t level);

struct SimBudget {
    int32_t battles = 100;  // per win rate
    int32_t runs = 100;     // expeditions per return share
    uint32_t seed = 1;
    // The character rows of a new game: play grows the rows in place, and
    // every simulated party starts from these.
    const CharacterSnapshots* freshRows = nullptr;
};

// Share of quest battles won at `level`, each fought from a fresh departure.
double QuestWinRate(const SimParty& party, int32_t quest, int32_t level, const SimBudget& budget);

// The lowest level in [low, high] at which the quest is won at least
// `share` of the time (bisection; high when even that is not enough, 0 when
// the party wins at `low` already).
int32_t LevelForShare(const SimParty& party, int32_t quest, double share, int32_t low, int32_t high,
                      const SimBudget& budget);

// Share of expeditions from depth 0 that reach `depth` and come home.
double ReturnShare(const SimParty& party, int32_t level, int32_t area, int32_t depth, const SimBudget& budget);

// Several play-throughs (other seeds) smooth out the luck of one: what a
// party of level L wins is the mean over the parties each had at level L.
using PlayRecords = std::vector<PlayRecord>;

// The share of fights the parties the play-throughs had at `level` win there.
double StageWinRate(const PlayRecords& records, int32_t quest, int32_t level, const SimBudget& budget);

// The lowest level L at which the parties of level L win the quest at least
// `share` of the time (999 when none does).
int32_t StageLevelForShare(const PlayRecords& records, int32_t quest, double share, const SimBudget& budget);

// Around `level`, the level whose party of that level comes nearest to
// winning `share` of the fights. The party changes with the level (better
// gear bought on the way), so the win rate can jump between two levels and
// the lowest level at `share` is not always the nearest.
int32_t NearestStageLevel(const PlayRecords& records, int32_t quest, double share, int32_t level, int32_t radius,
                          const SimBudget& budget);
