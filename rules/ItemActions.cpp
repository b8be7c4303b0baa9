#include "rules/ItemActions.h"

#include "content/ContentDatabase.h"
#include "content/Items.h"

void BuildItemActions(const PartyState& party, BattleState& battle) {
    for (int32_t slot = 0; slot < kCarriedSlots; ++slot) {
        const PackedItem item = party.carried[slot];
        // Only usable items become actions; anything else in a slot (a
        // damaged save) gives the inert action.
        const bool usable = ClassifyGoods(PackedGoodsId(item)) == GoodsKind::kConsumable;
        SkillData& action = CarriedItemSkillTable()[slot];
        action = usable ? MakeConsumable(PackedGoodsId(item), PackedQuality(item)) : MakeConsumable(0, 0);
        battle.itemUses[slot] = action.itemUses;
    }
}
