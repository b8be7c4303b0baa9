#include "rules/Quests.h"

#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "rules/Belongings.h"

namespace {

constexpr int32_t kUnknownLevelFrom = 500;

bool ValidQuest(int32_t quest) { return quest >= 0 && quest < kQuestCapacity; }

}  // namespace

bool QuestQualifies(const ExpeditionState& expedition, const PartyState& party, int32_t quest) {
    if (!ValidQuest(quest)) return false;
    // Asked for every quest at every step: the party's own flags first.
    if (party.notices[quest] != Holding::kCarried || expedition.hunt[quest] == 0 ||
        expedition.defeatedThisExpedition[quest] != 0)
        return false;
    const QuestData& row = QuestById(quest);
    // A battle without enemies would be won at once and pay the rewards.
    if (row.enemies.empty()) return false;
    return row.area == expedition.area && row.minLevel <= expedition.depth &&
           expedition.depth <= row.maxLevel;
}

bool DefeatQuest(ExpeditionState& expedition, PartyState& party, int32_t quest) {
    if (!ValidQuest(quest)) return false;
    expedition.defeatedThisExpedition[quest] = 1;
    if (expedition.clearLevel[quest] != 0) return false;
    // The level is at least 1, so a stored clear level always reads as cleared.
    expedition.clearLevel[quest] = party.level > 0 ? party.level : 1;
    const QuestData& row = QuestById(quest);
    AddGold(party, row.rewardGold);
    for (PackedItem reward : row.rewards) AddItem(party, reward);
    ++expedition.questsDefeated;
    return true;
}

WString RecommendedLevelText(int32_t recommendedLevel) {
    WString text;
    if (recommendedLevel >= kUnknownLevelFrom) text = WString("推奨Lv ???");
    else text.Format("推奨Lv %d", recommendedLevel);
    return text;
}

QuestListRow MakeQuestListRow(const ExpeditionState& expedition, int32_t quest) {
    QuestListRow row;
    if (!ValidQuest(quest)) return row;
    const QuestData& data = QuestById(quest);
    row.hunting = expedition.hunt[quest] != 0;
    row.hunt = WString(row.hunting ? "討伐" : "無視");
    row.cleared = WString(expedition.clearLevel[quest] != 0 ? "撃破" : " 未");
    row.label = GoodsListLabel(PackItem(GoodsRange::kCertificateFirst + quest, 0));
    row.recommended = RecommendedLevelText(data.recommendedLevel);
    row.area = AreaById(data.area).name;
    row.window.Format("( %d ～ %d )", data.minLevel, data.maxLevel);
    return row;
}

QuestDetail MakeQuestDetail(const ExpeditionState& expedition, int32_t quest) {
    QuestDetail detail;
    if (!ValidQuest(quest)) return detail;
    const QuestData& data = QuestById(quest);
    detail.clearLevel.Format("撃破Lv %d", expedition.clearLevel[quest]);
    detail.recommended = RecommendedLevelText(data.recommendedLevel);
    detail.area.Format("出現地 %S", AreaById(data.area).name);
    detail.window.Format("探索Lv %d ～ %d", data.minLevel, data.maxLevel);
    detail.reward.Format("報酬   %dG", data.rewardGold);
    return detail;
}
