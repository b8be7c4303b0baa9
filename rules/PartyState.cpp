#include "rules/PartyState.h"

#include <algorithm>

PartyState& GameParty() {
    static PartyState party;
    return party;
}

bool IsInParty(const PartyState& party, int32_t character) {
    return std::find(party.members.begin(), party.members.end(), character) !=
           party.members.end();
}

const int32_t* HoldingFlag(const PartyState& party, int32_t goodsId) {
    const int32_t index = GoodsIndex(goodsId);
    switch (ClassifyGoods(goodsId)) {
        case GoodsKind::kRecipe: return &party.recipes[index];
        case GoodsKind::kMap: return index < kAreaCapacity ? &party.maps[index] : nullptr;
        case GoodsKind::kCard: return index < kCharacterCapacity ? &party.cards[index] : nullptr;
        case GoodsKind::kCertificate: return &party.notices[index];
        default: return nullptr;
    }
}

int32_t* HoldingFlag(PartyState& party, int32_t goodsId) {
    return const_cast<int32_t*>(HoldingFlag(static_cast<const PartyState&>(party), goodsId));
}
