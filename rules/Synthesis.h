#pragma once
// Synthesis ("合成"): a held recipe is filled with one material from the
// inventory per ingredient, and the product's quality is the weighted sum
// of the materials' qualities. The fee is paid on confirmation.
#include <cstdint>
#include <vector>

#include "content/PackedItem.h"
#include "rules/PartyState.h"

inline constexpr int32_t kSynthesisTabs = 4;

// The carried recipes of tab 0 usable items, 1 weapons, 2 accessories or
// 3 materials, by product item id in ascending order.
std::vector<int32_t> SynthesisTabRecipes(const PartyState& party, int32_t tab);

struct SynthesisSlot {
    int32_t filled = 0;  // 1: holds a material taken from the inventory
    PackedItem item = 0;
};

struct SynthesisSelection {
    int32_t product = -1;  // the recipe's product item id; -1 while none is chosen
    std::vector<SynthesisSlot> slots;  // one per ingredient
};

// Chooses a carried recipe: needs gold of at least its fee; the selection
// gets one empty slot per ingredient. False (and nothing changes) otherwise.
bool BeginSynthesis(SynthesisSelection& selection, const PartyState& party, int32_t product);

// The material item id that slot `slot` requires, or -1.
int32_t SlotMaterial(const SynthesisSelection& selection, int32_t slot);

// Inventory positions holding the slot's material, best quality first
// (ascending packed value). The storage is never offered.
std::vector<int32_t> MaterialChoices(const SynthesisSelection& selection, const PartyState& party,
                                     int32_t slot);

// Takes the inventory entry into the slot at once; a material the slot held
// returns to the inventory. False for an entry of another item id.
bool PlaceMaterial(SynthesisSelection& selection, PartyState& party, int32_t slot,
                   int32_t inventoryIndex);

bool AllSlotsFilled(const SynthesisSelection& selection);

// The product of the filled slots: quality = the sum over the ingredients
// of quality x weight / 100, each cut separately (0 for no ingredients).
PackedItem SynthesisProduct(const SynthesisSelection& selection);

// Pays the fee and gives the product; the materials are used up and the
// selection is cleared. False when a slot is empty or the fee cannot be paid.
bool ConfirmSynthesis(SynthesisSelection& selection, PartyState& party);

// Every placed material returns to the inventory; the selection is cleared.
void CancelSynthesis(SynthesisSelection& selection, PartyState& party);
