#pragma once
// The player's side of the game state: who is hired and who is in the party,
// the shared level, the purse, the goods and the one-of-a-kind holdings.
// Plain data: the game keeps one process-wide record; tests and simulators
// make their own copies and drive them.
#include <array>
#include <cstdint>
#include <vector>

#include "content/ContentDatabase.h"
#include "content/PackedItem.h"

inline constexpr int32_t kMaxPartySize = 4;
inline constexpr int32_t kCarriedSlots = 12;
inline constexpr int32_t kMaxLevel = 999;
inline constexpr int32_t kGoldCap = 999'999'999;

// How a one-of-a-kind thing is held; only carried things can be used.
namespace Holding {
inline constexpr int32_t kNone = 0;
inline constexpr int32_t kCarried = 1;
inline constexpr int32_t kStored = 2;
}  // namespace Holding

struct ShopOffer {
    PackedItem item = 0;
    int32_t price = 0;
    bool operator==(const ShopOffer&) const = default;
};

struct BattleRecords {
    int32_t battles = 0;
    int32_t wins = 0;
    int32_t losses = 0;
    bool operator==(const BattleRecords&) const = default;
};

struct PartyState {
    std::array<uint8_t, kCharacterCapacity> hired{};
    std::vector<int32_t> members;  // character ids in party order, 1 to 4
    int32_t level = 1;             // the level last applied to every character
    int32_t expPool = 0;           // experience toward the next level
    int32_t pendingLevel = 1;      // reached by the last battle, applied after its result
    int32_t gold = 0;
    std::vector<PackedItem> inventory;  // ascending packed value
    std::vector<PackedItem> storage;    // ascending packed value
    // One-of-a-kind holdings (Holding values): recipes by product item id,
    // maps by area, business cards by character, quest notices by quest.
    std::array<int32_t, kItemCapacity> recipes{};
    std::array<int32_t, kAreaCapacity> maps{};
    std::array<int32_t, kCharacterCapacity> cards{};
    std::array<int32_t, kQuestCapacity> notices{};
    std::array<PackedItem, kCarriedSlots> carried{};  // taken into a dungeon
    BattleRecords records;
    // The town shop's offers: kept here because whether goods can still be
    // obtained depends on them, and they are saved with the rest.
    std::vector<ShopOffer> shopStock;
};

// The game's own record.
PartyState& GameParty();

bool IsInParty(const PartyState& party, int32_t character);

// The holding flag of a one-of-a-kind thing; null for goods that are not one
// (items, or ids outside every range).
int32_t* HoldingFlag(PartyState& party, int32_t goodsId);
const int32_t* HoldingFlag(const PartyState& party, int32_t goodsId);
