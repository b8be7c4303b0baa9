#pragma once
// Subjugation quests: when a held notice can be met, what its first defeat
// pays, and the texts of the notice lists and the notice detail.
#include <cstdint>

#include "engine/text/WString.h"
#include "rules/Expedition.h"
#include "rules/PartyState.h"

// A quest can be met on this step when its notice is carried, its hunt
// switch is on, it was not defeated on this expedition, and the party is
// in its area within its depth window. A row without enemies never is.
bool QuestQualifies(const ExpeditionState& expedition, const PartyState& party, int32_t quest);

// After the result screen of a quest battle, before the battle's levels are
// applied: the quest counts as defeated for this expedition; the first
// defeat ever stores the party level as its clear level, pays the reward
// gold and items and raises the defeat count. Returns whether it was the
// first defeat.
bool DefeatQuest(ExpeditionState& expedition, PartyState& party, int32_t quest);

// "推奨Lv %d", or "推奨Lv ???" from 500 on.
WString RecommendedLevelText(int32_t recommendedLevel);

// One row of the notice lists (the guild and the camp's notice tab).
struct QuestListRow {
    bool hunting = false;  // the screen greys "無視"
    WString hunt;          // "討伐" or "無視"
    WString cleared;       // "撃破" or " 未"
    WString label;         // "賞:%S"
    WString recommended;
    WString area;
    WString window;        // "( %d ～ %d )"
};
QuestListRow MakeQuestListRow(const ExpeditionState& expedition, int32_t quest);

// The notice detail: "撃破Lv %d", the recommended level, "出現地 %S",
// "探索Lv %d ～ %d", "報酬   %dG".
struct QuestDetail {
    WString clearLevel;
    WString recommended;
    WString area;
    WString window;
    WString reward;
};
QuestDetail MakeQuestDetail(const ExpeditionState& expedition, int32_t quest);
