#include "rules/Synthesis.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "rules/Belongings.h"

namespace {

// First item id of each tab, and the end of the last.
constexpr int32_t kTabStarts[kSynthesisTabs + 1] = {
    GoodsRange::kConsumableFirst, GoodsRange::kWeaponFirst, GoodsRange::kAccessoryFirst,
    GoodsRange::kMaterialFirst, GoodsRange::kRecipeFirst};

// A recipe the party can work from: carried, for an item that exists.
bool UsableRecipe(const PartyState& party, int32_t product) {
    return product >= GoodsRange::kConsumableFirst && product < kItemCapacity &&
           party.recipes[product] == Holding::kCarried && !ItemName(product).Empty();
}

bool ValidSlot(const SynthesisSelection& selection, int32_t slot) {
    return slot >= 0 && static_cast<size_t>(slot) < selection.slots.size();
}

int32_t Fee(const SynthesisSelection& selection) {
    return selection.product >= 0 ? RecipeTable()[selection.product].fee : 0;
}

}  // namespace

std::vector<int32_t> SynthesisTabRecipes(const PartyState& party, int32_t tab) {
    std::vector<int32_t> products;
    if (tab < 0 || tab >= kSynthesisTabs) return products;
    for (int32_t product = kTabStarts[tab]; product < kTabStarts[tab + 1]; ++product)
        if (UsableRecipe(party, product)) products.push_back(product);
    return products;
}

bool BeginSynthesis(SynthesisSelection& selection, const PartyState& party, int32_t product) {
    if (!UsableRecipe(party, product)) return false;
    const RecipeData& recipe = RecipeTable()[product];
    if (party.gold < recipe.fee) return false;
    selection.product = product;
    selection.slots.assign(recipe.ingredients.size(), SynthesisSlot{});
    return true;
}

int32_t SlotMaterial(const SynthesisSelection& selection, int32_t slot) {
    if (selection.product < 0 || !ValidSlot(selection, slot)) return -1;
    return RecipeTable()[selection.product].ingredients[slot].id;
}

std::vector<int32_t> MaterialChoices(const SynthesisSelection& selection, const PartyState& party,
                                     int32_t slot) {
    std::vector<int32_t> positions;
    const int32_t material = SlotMaterial(selection, slot);
    if (material < 0) return positions;
    // The inventory is sorted by packed value, so its order is the one wanted.
    for (size_t i = 0; i < party.inventory.size(); ++i)
        if (PackedGoodsId(party.inventory[i]) == material) positions.push_back(static_cast<int32_t>(i));
    return positions;
}

bool PlaceMaterial(SynthesisSelection& selection, PartyState& party, int32_t slot,
                   int32_t inventoryIndex) {
    const int32_t material = SlotMaterial(selection, slot);
    if (material < 0 || inventoryIndex < 0 || static_cast<size_t>(inventoryIndex) >= party.inventory.size())
        return false;
    if (PackedGoodsId(party.inventory[inventoryIndex]) != material) return false;
    SynthesisSlot& target = selection.slots[slot];
    // Take first: returning the old material re-sorts the inventory and
    // would move the chosen entry.
    const PackedItem taken = TakeFromInventory(party, inventoryIndex);
    if (target.filled != 0) AddItem(party, target.item);
    target = SynthesisSlot{1, taken};
    return true;
}

bool AllSlotsFilled(const SynthesisSelection& selection) {
    if (selection.product < 0) return false;
    for (const SynthesisSlot& slot : selection.slots)
        if (slot.filled == 0) return false;
    return true;
}

PackedItem SynthesisProduct(const SynthesisSelection& selection) {
    if (selection.product < 0) return 0;
    const std::vector<WeightedId>& ingredients = RecipeTable()[selection.product].ingredients;
    int64_t quality = 0;
    for (size_t i = 0; i < ingredients.size() && i < selection.slots.size(); ++i)
        quality += int64_t{PackedQuality(selection.slots[i].item)} * ingredients[i].weight / 100;
    return PackItem(selection.product, static_cast<int32_t>(std::min<int64_t>(quality, 100)));
}

bool ConfirmSynthesis(SynthesisSelection& selection, PartyState& party) {
    if (!AllSlotsFilled(selection) || party.gold < Fee(selection)) return false;
    AddGold(party, -Fee(selection));
    AddItem(party, SynthesisProduct(selection));
    selection = SynthesisSelection{};
    return true;
}

void CancelSynthesis(SynthesisSelection& selection, PartyState& party) {
    for (const SynthesisSlot& slot : selection.slots)
        if (slot.filled != 0) AddItem(party, slot.item);
    selection = SynthesisSelection{};
}
