#pragma once
// The town shop ("ショップ"): buying from the stock that exploration renews.
#include <cstdint>

#include "rules/PartyState.h"

namespace BuyResult {
inline constexpr int32_t kBought = 0;
inline constexpr int32_t kNoSuchOffer = 1;
inline constexpr int32_t kNotEnoughGold = 2;
// The offer was a one-of-a-kind thing the party came to hold meanwhile (a
// find): it leaves the stock and no gold is taken.
inline constexpr int32_t kAlreadyHeld = 3;
}  // namespace BuyResult

// Gold -= price, the goods go to the party and the offer leaves the stock.
// A purse that cannot pay changes nothing.
int32_t BuyFromStock(PartyState& party, int32_t stockIndex);
