#include "rules/Equipment.h"

#include <algorithm>
#include <set>

#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "rules/BattleMath.h"
#include "rules/Belongings.h"

namespace {

constexpr int32_t kWeaponSlot = 0;
constexpr int32_t kUnarmedAttack = 1;
constexpr int32_t kFirstItemSkill = 700;  // skill ids from here are carried items

bool IsWeapon(PackedItem item) { return ClassifyGoods(PackedGoodsId(item)) == GoodsKind::kWeapon; }
bool IsAccessory(PackedItem item) {
    return ClassifyGoods(PackedGoodsId(item)) == GoodsKind::kAccessory;
}

ItemData ItemDataOf(PackedItem item) { return MakeItemData(PackedGoodsId(item), PackedQuality(item)); }

}  // namespace

int32_t CombineAbility(int32_t value, int32_t bonus) {
    return Trunc((100 - value) * static_cast<double>(bonus) / 100 + value);
}

BattleParams ComputeBattleParams(int32_t character, int32_t overrideSlot, PackedItem overrideItem) {
    const CharacterData& row = CharacterById(character);
    BattleParams result;
    result.params = row.params;
    std::set<int32_t> skills(row.skills.begin(), row.skills.end());
    for (int32_t slot = 0; slot < CharacterData::kEquipmentSlots; ++slot) {
        const PackedItem item = slot == overrideSlot ? overrideItem : row.equipment[slot];
        if (PackedGoodsId(item) == 0) continue;
        const ItemData data = ItemDataOf(item);
        for (int32_t p = 0; p < BaseParam::kCount; ++p)
            result.params.Base(p) = Saturate(int64_t{result.params.Base(p)} + data.params.Base(p));
        for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
            const int32_t bonus = data.params.Ability(k);
            if (bonus != 0) result.params.Ability(k) = CombineAbility(result.params.Ability(k), bonus);
        }
        skills.insert(data.grantedSkills.begin(), data.grantedSkills.end());
    }
    for (int32_t id : skills)
        if (id > 0 && id < kFirstItemSkill) result.skills.push_back(id);
    return result;
}

bool CanEquip(int32_t character, PackedItem item) {
    if (IsAccessory(item)) return true;
    if (!IsWeapon(item)) return false;
    const std::vector<int32_t>& kinds = CharacterById(character).weaponKinds;
    return std::find(kinds.begin(), kinds.end(), ItemDataOf(item).kind) != kinds.end();
}

int32_t BasicAttackOf(PackedItem weapon) {
    return IsWeapon(weapon) ? ItemDataOf(weapon).kind + 1 : kUnarmedAttack;
}

bool FitsSlot(int32_t character, int32_t slot, PackedItem item) {
    if (slot == kWeaponSlot) return IsWeapon(item) && CanEquip(character, item);
    return slot > 0 && slot < CharacterData::kEquipmentSlots && IsAccessory(item);
}

bool Equip(PartyState& party, int32_t character, int32_t slot, int32_t inventoryIndex) {
    if (character < 0 || character >= kCharacterCapacity) return false;
    if (slot < 0 || slot >= CharacterData::kEquipmentSlots) return false;
    PackedItem chosen = 0;
    if (inventoryIndex >= 0) {
        if (static_cast<size_t>(inventoryIndex) >= party.inventory.size()) return false;
        if (!FitsSlot(character, slot, party.inventory[inventoryIndex])) return false;
        chosen = TakeFromInventory(party, inventoryIndex);
    }
    CharacterData& row = CharacterTable()[character];
    if (slot == kWeaponSlot) row.skills[0] = BasicAttackOf(chosen);
    const PackedItem previous = row.equipment[slot];
    row.equipment[slot] = chosen;
    if (previous != 0) AddItem(party, previous);
    return true;
}
