#pragma once
// Turning game state into list entries: each numbered source appends the
// (entry value, second value) pairs of one kind of list.
#include <cstdint>

namespace ListSource {
inline constexpr int32_t kAreas = 0;          // carried maps: (area, area)
inline constexpr int32_t kCommands = 1;       // the commanding member's commands
inline constexpr int32_t kAddMember = 2;      // hired characters outside the party
inline constexpr int32_t kDepths = 3;         // start depths of the current area
inline constexpr int32_t kCarriedSlots = 6;   // the 12 battle item slots
inline constexpr int32_t kShopStock = 7;      // the shop's offers
inline constexpr int32_t kTavern = 8;         // carried cards of characters not hired
inline constexpr int32_t kEquipFirst = 10;    // 10-13: "なし", then one item range
inline constexpr int32_t kIngredients = 14;   // the chosen recipe's ingredient rows
inline constexpr int32_t kMaterials = 15;     // inventory entries of Flow().selection
inline constexpr int32_t kBagFirst = 20;      // 20-23 items, 24-27 carried records
inline constexpr int32_t kStorageFirst = 30;  // 30-33 items, 34-37 stored records
inline constexpr int32_t kSaveSlots = 40;
inline constexpr int32_t kRecipesFirst = 41;  // 41-44: carried recipes by tab
}  // namespace ListSource

// Rebuilds the widget's entries from the source; any other source number
// leaves the list empty. With `keep` the first row and cursor stay where
// they were, brought back onto the list when entries at the cursor went.
void FillList(int32_t widget, int32_t source, bool keep);
