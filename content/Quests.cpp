#include "content/Quests.h"

#include <string>

#include "content/ContentDatabase.h"
#include "content/ListText.h"
#include "content/QuestRows.h"
#include "engine/text/Format.h"

namespace {

void Report(int32_t id, const char* what, const std::string& error) {
    ReportContentProblem(FormatNarrow("quest %d %s: %s", id, what, error.c_str()));
}

}  // namespace

void BuildQuests() {
    auto& table = QuestTable();
    for (QuestData& q : table) q = QuestData{};
    for (const QuestRow& row : QuestRows()) {
        if (row.id < 0 || row.id >= kQuestCapacity) {
            Report(row.id, "id", "outside the table");
            continue;
        }
        QuestData& q = table[row.id];
        q.title = WString(row.title);
        std::string error;
        if (!ParseIntegers(row.enemies, q.enemies, &error)) Report(row.id, "enemies", error);
        if (!ParseIntegers(row.rows, q.rows, &error)) Report(row.id, "rows", error);
        if (q.rows.size() != q.enemies.size()) {
            Report(row.id, "rows", "not one per enemy");
            q.rows.resize(q.enemies.size(), 0);
        }
        q.area = row.area;
        q.minLevel = row.minLevel;
        q.maxLevel = row.maxLevel;
        q.chance = row.chance;
        q.music = WString(row.music);
        q.recommendedLevel = row.recommendedLevel;
        q.rewardGold = row.rewardGold;
        if (!ParseGoodsList(row.rewards, q.rewards, &error)) Report(row.id, "rewards", error);
        if (!ParseWeightedIds(row.reinforcements, q.reinforcements, &error))
            Report(row.id, "reinforcements", error);
    }
}
