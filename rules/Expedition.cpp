#include "rules/Expedition.h"

#include <algorithm>
#include <set>

#include "rules/ItemActions.h"

ExpeditionState& GameExpedition() {
    static ExpeditionState expedition;
    return expedition;
}

std::vector<int32_t> StartDepths(const ExpeditionState& expedition, int32_t area) {
    // A damaged checkpoint must not offer depths the area does not have.
    const int32_t checkpoint =
        area >= 0 && area < kAreaCapacity
            ? std::clamp(expedition.checkpoints[area], 0, kDeepestDepth / kStepsPerDepth)
            : 0;
    std::vector<int32_t> depths;
    for (int32_t i = 0; i <= checkpoint; ++i) depths.push_back(i * kStepsPerDepth);
    return depths;
}

void Depart(ExpeditionState& expedition, const PartyState& party, BattleState& battle, int32_t area,
            int32_t startDepth) {
    expedition.area = area;
    expedition.depth = std::clamp(startDepth, 0, kDeepestDepth);
    expedition.step = 0;
    expedition.pressure = 0;
    expedition.currentQuest = -1;
    expedition.message = WString();
    BuildItemActions(party, battle);
    expedition.defeatedThisExpedition.fill(0);
}

AreaCollection CountAreaCollection(const PartyState& party, int32_t area) {
    std::set<int32_t> seen;
    AreaCollection counts;
    for (const FindRow& row : AreaById(area).finds) {
        if (!seen.insert(row.goodsId).second) continue;
        Collected* tally = nullptr;
        switch (ClassifyGoods(row.goodsId)) {
            case GoodsKind::kRecipe: tally = &counts.recipes; break;
            case GoodsKind::kCertificate: tally = &counts.notices; break;
            case GoodsKind::kCard: tally = &counts.cards; break;
            default: continue;
        }
        const int32_t* flag = HoldingFlag(party, row.goodsId);
        if (flag == nullptr) continue;
        ++tally->total;
        tally->owned += *flag != Holding::kNone;
    }
    return counts;
}
