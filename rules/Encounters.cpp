#include "rules/Encounters.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"

namespace {

bool InWindow(const EncounterRow& row, int32_t depth) {
    return row.minLevel <= depth && depth <= row.maxLevel;
}

void Join(Encounter& encounter, const EncounterRow& row) {
    encounter.enemies.push_back(row.enemyId);
    encounter.rows.push_back(RandomInt(0, 99) < EnemyById(row.enemyId).frontChance ? 0 : 1);
}

}  // namespace

Encounter RandomEncounter(int32_t area, int32_t depth) {
    Encounter encounter;
    encounter.area = area;
    const AreaData& row = AreaById(area);
    if (row.encounters.empty()) return encounter;
    const int32_t last = static_cast<int32_t>(row.encounters.size()) - 1;
    int32_t budget = (depth % 10) * row.budgetStep + row.budgetBase;
    for (int32_t draw = 0; draw < kMaxRedraws && budget > 0; ++draw) {
        const EncounterRow& candidate = row.encounters[RandomInt(0, last)];
        if (!InWindow(candidate, depth) || !Roll(candidate.chance, 10000)) continue;
        // Every enemy costs at least 1: a row without cost would never use
        // the budget up.
        budget -= std::max(candidate.cost, 1);
        Join(encounter, candidate);
    }
    // An area without a row that fits and succeeds must not hang the draw:
    // the fitting rows are then taken in list order.
    for (const EncounterRow& candidate : row.encounters) {
        if (budget <= 0) break;
        if (!InWindow(candidate, depth)) continue;
        budget -= std::max(candidate.cost, 1);
        Join(encounter, candidate);
    }
    return encounter;
}

Encounter QuestEncounter(int32_t quest, int32_t area) {
    const QuestData& row = QuestById(quest);
    Encounter encounter;
    encounter.enemies = row.enemies;
    encounter.rows = row.rows;
    encounter.music = row.music;
    encounter.area = area;
    encounter.quest = quest;
    encounter.reinforcements = row.reinforcements;
    return encounter;
}
