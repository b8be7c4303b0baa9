#pragma once
// What the town's facility screens share: their MenuState numbers, the way
// back to the facility menu and the header panel with the purse.
#include <cstdint>

#include "engine/text/WString.h"

namespace TownState {
inline constexpr int32_t kMenu = 0;
inline constexpr int32_t kShop = 1;
inline constexpr int32_t kPawnShop = 2;
inline constexpr int32_t kGuild = 4;
inline constexpr int32_t kTavern = 5;
inline constexpr int32_t kSave = 6;
inline constexpr int32_t kSynthesis = 10;
}  // namespace TownState

inline constexpr int32_t kTownMenuWidget = 1;

// Cancel in a facility: "cancel", its list hides, the menu returns.
void LeaveFacility(int32_t widget);

// The facility's name centred in a panel with the gold "%d G" below it;
// the tavern's panel stands further left.
void DrawFacilityHeader(const WString& name, int32_t left = 430);
