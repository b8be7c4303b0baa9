#include "content/Obtainable.h"

#include "content/ContentDatabase.h"
#include "content/StartingGoods.h"

namespace {

class Reach {
public:
    Reach() : held_(GoodsRange::kEnd, false) {}

    bool Has(int32_t goods) const { return goods >= 0 && goods < GoodsRange::kEnd && held_[goods]; }

    // True when this made a difference.
    bool Give(int32_t goods) {
        if (goods <= 0 || goods >= GoodsRange::kEnd || held_[goods]) return false;
        if (IsItem(goods) && ItemName(goods).Empty()) return false;  // never given
        held_[goods] = true;
        return true;
    }

    bool Defeat(int32_t enemyId) {
        bool changed = false;
        for (const DropEntry& d : EnemyById(enemyId).drops) changed |= Give(d.itemId);
        return changed;
    }

    // One pass over every source; false when nothing new was reached.
    bool Step() {
        bool changed = false;
        for (int32_t a = 0; a < kAreaCapacity; ++a) {
            if (!Has(GoodsRange::kMapFirst + a)) continue;
            for (const EncounterRow& e : AreaById(a).encounters) changed |= Defeat(e.enemyId);
            for (const FindRow& f : AreaById(a).finds) changed |= Give(f.goodsId);
        }
        for (int32_t q = 0; q < kQuestCapacity; ++q) {
            const QuestData& quest = QuestById(q);
            if (quest.title.Empty() || !Has(GoodsRange::kCertificateFirst + q) ||
                !Has(GoodsRange::kMapFirst + quest.area))
                continue;
            for (int32_t enemy : quest.enemies) changed |= Defeat(enemy);
            for (const WeightedId& r : quest.reinforcements) changed |= Defeat(r.id);
            for (PackedItem reward : quest.rewards) changed |= Give(PackedGoodsId(reward));
        }
        for (int32_t c = 0; c < kCharacterCapacity; ++c) {
            if (!Has(GoodsRange::kCardFirst + c) && c > 1) continue;  // 0 and 1 start hired
            for (PackedItem item : CharacterById(c).equipment) changed |= Give(PackedGoodsId(item));
        }
        for (int32_t product = 1; product < kItemCapacity; ++product) {
            const RecipeData& r = RecipeTable()[product];
            if (Has(product) || r.ingredients.empty() || !Has(GoodsRange::kRecipeFirst + product))
                continue;
            bool all = true;
            for (const WeightedId& in : r.ingredients) all &= Has(in.id);
            if (all) changed |= Give(product);
        }
        return changed;
    }

    std::vector<bool> held_;
};

}  // namespace

std::vector<bool> ObtainableGoods() {
    Reach reach;
    for (PackedItem goods : NewGameHoldings()) reach.Give(PackedGoodsId(goods));
    reach.Give(PackedGoodsId(NewGameCarriedItem()));
    for (const ShopRow& row : ShopStockTable()) reach.Give(row.goodsId);
    while (reach.Step()) {
    }
    return reach.held_;
}

std::vector<int32_t> UnobtainableIngredients() {
    const std::vector<bool> held = ObtainableGoods();
    std::vector<bool> listed(kItemCapacity, false);
    for (const RecipeData& r : RecipeTable())
        for (const WeightedId& in : r.ingredients)
            if (in.id >= 0 && in.id < kItemCapacity && !held[in.id]) listed[in.id] = true;
    std::vector<int32_t> ids;
    for (int32_t id = 0; id < kItemCapacity; ++id)
        if (listed[id]) ids.push_back(id);
    return ids;
}
