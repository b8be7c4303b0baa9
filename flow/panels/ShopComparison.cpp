// The shop's second panel for ordinary items: what the party already holds
// of the item and, for equipment, what it would change for each member.
#include <algorithm>

#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"
#include "rules/Equipment.h"

namespace {

constexpr int32_t kWidth = 360;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 18;
constexpr int32_t kNameWidth = 78;

int32_t CountId(const std::vector<PackedItem>& list, int32_t id) {
    return int32_t(std::count_if(list.begin(), list.end(),
                                 [id](PackedItem p) { return PackedGoodsId(p) == id; }));
}

WString Signed(int32_t value, const char* suffix) {
    WString text;
    text.Format(value > 0 ? "+%d%s" : "%d%s", value, suffix);
    return text;
}

// The slot an accessory would go to: one holding the same item, else the
// first empty one; -1 when every accessory slot holds something else.
int32_t AccessorySlot(const CharacterData& row, int32_t id) {
    for (int32_t slot = 1; slot < CharacterData::kEquipmentSlots; ++slot)
        if (PackedGoodsId(row.equipment[size_t(slot)]) == id) return slot;
    for (int32_t slot = 1; slot < CharacterData::kEquipmentSlots; ++slot)
        if (row.equipment[size_t(slot)] == 0) return slot;
    return -1;
}

// One member's row: name, then each changed value as "Atk+12" in the
// raised or lowered colour, as many as fit.
void MemberRow(PanelDrawing& d, int32_t character, PackedItem item, int32_t left, int32_t right,
               int32_t y) {
    const CharacterData& row = CharacterById(character);
    d.Text({left, y}, row.name, palette::kWhite, kGlyph, kNameWidth - 6);
    int32_t x = left + kNameWidth;
    auto note = [&](const char* text) { d.Text({x, y}, WString(text), panelcolor::kMuted, kGlyph, right - x); };
    if (!CanEquip(character, item)) return note("装備不可");
    const int32_t id = PackedGoodsId(item);
    const int32_t slot = id < GoodsRange::kAccessoryFirst ? 0 : AccessorySlot(row, id);
    if (slot < 0) return note("空きなし");

    const BattleParams now = ComputeBattleParams(character);
    const BattleParams then = ComputeBattleParams(character, slot, item);
    std::vector<std::pair<WString, Color>> changes;
    for (int32_t i = 0; i < BaseParam::kCount; ++i) {
        const int32_t diff = then.params.Base(i) - now.params.Base(i);
        if (diff != 0)
            changes.emplace_back(BaseParamLabels()[size_t(i)] + Signed(diff, ""), CompareColor(0, diff));
    }
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
        const int32_t diff = then.params.Ability(k) - now.params.Ability(k);
        if (diff != 0)
            changes.emplace_back(AbilityCatalogue()[size_t(k)].name + Signed(diff, "%"),
                                 CompareColor(0, diff));
    }
    if (changes.empty()) return note("変化なし");
    for (const auto& [text, color] : changes) {
        const int32_t width = TextWidth(text, kGlyph, 0);
        if (x + width > right) {
            d.Text({x, y}, WString("…"), panelcolor::kMuted, kGlyph, right - x);
            break;
        }
        d.Text({x, y}, text, color, kGlyph, width);
        x += width + 8;
    }
}

}  // namespace

PanelDrawing MakeShopComparison(PackedItem item, Point origin) {
    PanelDrawing d;
    const int32_t id = PackedGoodsId(item);
    if (id <= 0 || !IsItem(id)) return d;
    const PartyState& party = GameParty();
    const int32_t left = origin.x + 8, right = origin.x + kWidth - 8;
    const bool equipment = id >= GoodsRange::kWeaponFirst && id < GoodsRange::kMaterialFirst;

    // Held counts of this item id at any quality.
    int32_t worn = 0, carried = 0;
    for (int32_t member : party.members) {
        for (PackedItem p : CharacterById(member).equipment) worn += PackedGoodsId(p) == id ? 1 : 0;
    }
    for (PackedItem p : party.carried) carried += PackedGoodsId(p) == id ? 1 : 0;
    WString held;
    held.Format("所持 %d   倉庫 %d", CountId(party.inventory, id), CountId(party.storage, id));
    if (equipment) held.AppendFormat("   装備中 %d", worn);
    else if (id < GoodsRange::kWeaponFirst) held.AppendFormat("   持参 %d", carried);

    const int32_t rows = equipment ? int32_t(party.members.size()) : 0;
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 6 + kPitch + (rows > 0 ? 6 + rows * kPitch : 0) + 4});
    d.Text({left, origin.y + 6}, held, palette::kWhite, kGlyph, right - left);
    int32_t y = origin.y + 6 + kPitch + 6;
    for (int32_t i = 0; i < rows; ++i, y += kPitch) MemberRow(d, party.members[size_t(i)], item, left, right, y);
    return d;
}

void DrawShopComparison(PackedItem item, Point origin) { DrawPanels(MakeShopComparison(item, origin)); }
