#include "flow/SaveState.h"

#include <algorithm>

#include "content/StartingGoods.h"
#include "rules/Belongings.h"
#include "rules/Equipment.h"

static_assert(SaveLayout::kCharacters == kCharacterCapacity);
static_assert(SaveLayout::kRecipes == kItemCapacity);
static_assert(SaveLayout::kAreas == kAreaCapacity);
static_assert(SaveLayout::kQuests == kQuestCapacity);
static_assert(SaveLayout::kCarried == kCarriedSlots);
static_assert(SaveLayout::kEquipment == CharacterData::kEquipmentSlots);
static_assert(SaveLayout::kMaxParty == kMaxPartySize);

namespace {

constexpr int32_t kNewGameMembers[] = {0, 1};

}  // namespace

SaveRecord CaptureSave(const PartyState& party, const ExpeditionState& expedition,
                       const CharacterRows& characters) {
    SaveRecord r;
    r.gold = party.gold;
    r.expPool = party.expPool;
    r.level = party.level;
    r.bountiesCleared = expedition.questsDefeated;
    r.counters[0] = static_cast<uint32_t>(party.records.battles);
    r.counters[1] = static_cast<uint32_t>(party.records.wins);
    r.counters[2] = static_cast<uint32_t>(party.records.losses);
    for (int32_t member : party.members) r.party.push_back(static_cast<uint32_t>(member));
    for (const ShopOffer& offer : party.shopStock) r.shopStock.push_back({offer.item, offer.price});
    r.inventory = party.inventory;
    r.storage = party.storage;
    r.recipes = party.recipes;
    r.maps = party.maps;
    r.checkpoints = expedition.checkpoints;
    r.cards = party.cards;
    r.hired = party.hired;
    r.notices = party.notices;
    r.hunt = expedition.hunt;
    r.clearLevel = expedition.clearLevel;
    r.carried = party.carried;
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        r.characters[id].equipment = characters[id].equipment;
        r.characters[id].ranged = characters[id].ranged;
    }
    return r;
}

void ApplySave(const SaveRecord& r, PartyState& party, ExpeditionState& expedition,
               CharacterRows& characters) {
    party.gold = r.gold;
    party.expPool = r.expPool;
    party.level = r.level;
    party.pendingLevel = r.level;
    expedition.questsDefeated = r.bountiesCleared;
    party.records.battles = static_cast<int32_t>(r.counters[0]);
    party.records.wins = static_cast<int32_t>(r.counters[1]);
    party.records.losses = static_cast<int32_t>(r.counters[2]);
    party.members.assign(r.party.begin(), r.party.end());  // each checked below 50
    party.shopStock.clear();
    for (const SaveStockRow& row : r.shopStock) party.shopStock.push_back({row.item, row.price});
    // The rules insert into these lists by binary search; a file edited by
    // hand may not be in order.
    party.inventory = r.inventory;
    party.storage = r.storage;
    std::sort(party.inventory.begin(), party.inventory.end());
    std::sort(party.storage.begin(), party.storage.end());
    party.recipes = r.recipes;
    party.maps = r.maps;
    expedition.checkpoints = r.checkpoints;
    party.cards = r.cards;
    party.hired = r.hired;
    party.notices = r.notices;
    expedition.hunt = r.hunt;
    expedition.clearLevel = r.clearLevel;
    party.carried = r.carried;
    for (int32_t id = 0; id < kCharacterCapacity; ++id) {
        if (party.hired[id] == 0) continue;
        CharacterData& row = characters[id];
        row.equipment = r.characters[id].equipment;
        row.ranged = r.characters[id].ranged;
        row.skills[0] = BasicAttackOf(row.equipment[0]);
    }
}

void ResetForNewGame(PartyState& party, ExpeditionState& expedition) {
    party.members.clear();
    party.shopStock.clear();
    party.inventory.clear();
    party.storage.clear();
    party.records = BattleRecords{};
    party.recipes.fill(0);
    party.maps.fill(0);
    party.cards.fill(0);
    party.notices.fill(0);
    party.hired.fill(0);
    expedition.checkpoints.fill(0);
    expedition.hunt.fill(0);
    expedition.clearLevel.fill(0);
    party.gold = 0;
    party.expPool = 0;
    party.level = 1;
    party.pendingLevel = 1;
    expedition.questsDefeated = 0;
    for (int32_t id : kNewGameMembers) {
        party.hired[id] = 1;
        party.members.push_back(id);
    }
    for (PackedItem goods : NewGameHoldings()) AddItem(party, goods);
    // Slots 1-11 are left as they are: a new game is begun once, at start-up,
    // when they are still empty.
    party.carried[0] = NewGameCarriedItem();
}
