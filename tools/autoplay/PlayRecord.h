#pragma once
// What the automatic player writes down as it plays, for the balance
// report: when each area was entered, survived and mastered, each quest's
// first clear, and what was never obtained, used or met.
//
//   entered:  the first departure into the area.
//   survived: the first return to town on foot (not by defeat) from an
//             expedition in the area that reached depth 10 or deeper.
//   mastered: the first moment depth 49 has been reached there and every
//             rated quest of the area is cleared.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"
#include "content/PackedItem.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"
#include "rules/Simulation.h"

struct Milestone {
    bool reached = false;
    int32_t level = 0;
    int32_t gold = 0;
    int64_t battles = 0;  // battles fought in the whole run so far
    int64_t frames = 0;
    int32_t expedition = 0;
};

struct AreaRecord {
    Milestone entered, survived, mastered;
    // Per item id, the best quality held before the first departure into
    // the area (-1: never held by then).
    std::vector<int32_t> qualityAtEntry;
    int32_t deepest = -1;
    int64_t expeditions = 0, battles = 0, wins = 0, losses = 0;
};

struct QuestRecord {
    int32_t noticeLevel = 0;  // party level when the notice was first seen held (0: never)
    int32_t huntLevel = 0;    // party level when its hunt was first switched on (0: never)
    bool met = false;
    int32_t clearLevel = 0;  // 0: never cleared
    int64_t clearFrames = 0;
    int32_t clearExpedition = 0;
    int32_t losses = 0;
};

// The party as it set out on an expedition: enough to fight its battles
// again in the simulators.
struct Departure {
    int32_t expedition = 0;
    int32_t area = 0;
    int32_t level = 0;
    int64_t battles = 0;  // battles fought in the whole run before it
    std::vector<MemberSetup> members;
    std::array<PackedItem, kCarriedSlots> carried{};
};

struct PlayRecord {
    uint32_t seed = 0;
    int64_t frames = 0;
    int32_t expeditions = 0;
    int64_t battles = 0, wins = 0, losses = 0;
    int32_t saves = 0, reloads = 0;
    // Town business done, each one carried out by buttons.
    int32_t purchases = 0, sales = 0, syntheses = 0, hires = 0, equips = 0, carriedChanges = 0;
    std::array<AreaRecord, kAreaCapacity> areas{};
    std::array<QuestRecord, kQuestCapacity> quests{};
    // Per goods id: 0 never held, else 1 + the expeditions made when first held.
    std::vector<int32_t> obtained = std::vector<int32_t>(GoodsRange::kEnd, 0);
    // Per item id, the best quality held so far (-1: never held).
    std::vector<int32_t> bestQuality = std::vector<int32_t>(kItemCapacity, -1);
    std::vector<int32_t> offered = std::vector<int32_t>(kSkillCapacity, 0);  // times in a command list
    std::vector<int32_t> chosen = std::vector<int32_t>(kSkillCapacity, 0);   // times chosen
    std::vector<uint8_t> itemsCarried = std::vector<uint8_t>(kItemCapacity, 0);
    std::vector<uint8_t> itemsUsed = std::vector<uint8_t>(kItemCapacity, 0);
    std::vector<uint8_t> enemiesMet = std::vector<uint8_t>(kEnemyCapacity, 0);
    std::vector<Departure> departures;
    bool complete = false;  // every area mastered: the run stops
    std::string stuck;  // empty, or where and why the run stopped moving on
};

Milestone TakeMilestone(const PartyState& party, const PlayRecord& record);
Departure TakeDeparture(const PartyState& party, const PlayRecord& record, int32_t area);
// Marks every goods id the party holds anywhere (bag, storage, carried,
// worn by a hired character, one-of-a-kind holdings).
void NoteHoldings(PlayRecord& record, const PartyState& party);
void NoteEnemies(PlayRecord& record, const std::vector<int32_t>& enemyIds);

// The name of goods for the lists ("recipe …", "map …", "card …", "notice …").
std::string GoodsName(int32_t id);
// Goods that exist in the content (named, or a recipe with ingredients).
bool GoodsExist(int32_t id);

// The report as JSON (UTF-8).
void WriteReport(std::ostream& out, const PlayRecord& record, const PartyState& party,
                 const ExpeditionState& expedition, int32_t framePeriodMs);
// "h:mm:ss" of play at the frame period.
std::string PlayTime(int64_t frames, int32_t framePeriodMs);
