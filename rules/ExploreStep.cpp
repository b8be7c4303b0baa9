#include "rules/ExploreStep.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "content/GoodsNames.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/Belongings.h"
#include "rules/Encounters.h"
#include "rules/QualityRamp.h"
#include "rules/Quests.h"
#include "rules/ShopRenewal.h"

namespace {

void GoDeeper(ExpeditionState& expedition, PartyState& party) {
    expedition.step = 0;
    if (expedition.depth < kDeepestDepth) ++expedition.depth;
    if (expedition.area >= 0 && expedition.area < kAreaCapacity) {
        int32_t& checkpoint = expedition.checkpoints[expedition.area];
        checkpoint = std::max(checkpoint, expedition.depth / kStepsPerDepth);
    }
    RenewShopStock(party, expedition.questsDefeated);
}

// The first quest that qualifies and passes its chance, or -1.
int32_t MeetQuest(const ExpeditionState& expedition, const PartyState& party) {
    for (int32_t quest = 0; quest < kQuestCapacity; ++quest) {
        if (!QuestQualifies(expedition, party, quest)) continue;
        if (Roll(QuestById(quest).chance, 10000)) return quest;
    }
    return -1;
}

// Goods of one find row at the current depth, or 0 when the draw fails.
PackedItem DrawFind(const FindRow& row, int32_t depth) {
    if (row.minLevel > depth || depth > row.maxLevel || !Roll(row.chance, 10000)) return 0;
    const int32_t quality =
        RampQuality(row.baseQuality, row.qualitySpread, depth, row.minLevel, row.maxLevel);
    return PackItem(row.goodsId, quality);
}

// Draws rows until goods are taken by the party; 0 when none were.
PackedItem Find(const ExpeditionState& expedition, PartyState& party) {
    const std::vector<FindRow>& rows = AreaById(expedition.area).finds;
    if (rows.empty()) return 0;
    const int32_t last = static_cast<int32_t>(rows.size()) - 1;
    for (int32_t draw = 0; draw < kMaxRedraws; ++draw) {
        const PackedItem goods = DrawFind(rows[RandomInt(0, last)], expedition.depth);
        if (goods != 0 && AddItem(party, goods)) return goods;
    }
    return 0;
}

}  // namespace

StepResult TakeStep(ExpeditionState& expedition, PartyState& party) {
    StepResult result;
    if (++expedition.step >= kStepsPerDepth) {
        GoDeeper(expedition, party);
        result.kind = StepKind::kDeeper;
        return result;
    }

    const int32_t quest = MeetQuest(expedition, party);
    if (quest >= 0) {
        expedition.currentQuest = quest;
        result.kind = StepKind::kQuest;
        result.encounter = QuestEncounter(quest, expedition.area);
        return result;
    }

    const int32_t r = RandomInt(0, 9999);
    if (r < kFindThreshold) {
        result.found = Find(expedition, party);
        if (result.found != 0) {
            result.kind = StepKind::kFind;
            result.sound = WString(kFindSound);
            expedition.message.Format("Get %S", GoodsListLabel(result.found));
        }
        return result;
    }
    if (r - kFindThreshold < expedition.pressure) {
        expedition.pressure = 0;
        expedition.currentQuest = -1;
        result.encounter = RandomEncounter(expedition.area, expedition.depth);
        if (!result.encounter.enemies.empty()) result.kind = StepKind::kEncounter;
        return result;
    }
    expedition.pressure += kPressurePerQuietStep;
    return result;
}

StepResult ExploreStep(ExpeditionState& expedition, PartyState& party, BattleState& battle) {
    StepResult result = TakeStep(expedition, party);
    if (result.kind == StepKind::kQuest || result.kind == StepKind::kEncounter)
        StartBattle(battle, party, result.encounter);
    return result;
}
