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
    std::vector<uint8_t> obtained = std::vector<uint8_t>(GoodsRange::kEnd, 0);
    std::vector<int32_t> offered = std::vector<int32_t>(kSkillCapacity, 0);  // times in a command list
    std::vector<int32_t> chosen = std::vector<int32_t>(kSkillCapacity, 0);   // times chosen
    std::vector<uint8_t> itemsCarried = std::vector<uint8_t>(kItemCapacity, 0);
    std::vector<uint8_t> itemsUsed = std::vector<uint8_t>(kItemCapacity, 0);
    std::vector<uint8_t> enemiesMet = std::vector<uint8_t>(kEnemyCapacity, 0);
    bool complete = false;  // every area mastered: the run stops
    std::string stuck;  // empty, or where and why the run stopped moving on
};

Milestone TakeMilestone(const PartyState& party, const PlayRecord& record);
// Marks every goods id the party holds anywhere (bag, storage, carried,
// worn by a hired character, one-of-a-kind holdings).
void NoteHoldings(PlayRecord& record, const PartyState& party);
void NoteEnemies(PlayRecord& record, const std::vector<int32_t>& enemyIds);

// The report as JSON (UTF-8).
void WriteReport(std::ostream& out, const PlayRecord& record, const PartyState& party,
                 const ExpeditionState& expedition, int32_t framePeriodMs);
// "h:mm:ss" of play at the frame period.
std::string PlayTime(int64_t frames, int32_t framePeriodMs);
