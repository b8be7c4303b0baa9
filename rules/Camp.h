#pragma once
// The camp's party management: which menu entries are open, adding a hired
// character, sending a member to stand by and switching a member's row.
#include <array>
#include <cstdint>

#include "rules/PartyState.h"

namespace CampEntry {
inline constexpr int32_t kItems = 0;      // "アイテム"
inline constexpr int32_t kStorage = 1;    // "倉庫"
inline constexpr int32_t kCarried = 2;    // "アイテム装備"
inline constexpr int32_t kEquipment = 3;  // "装備"
inline constexpr int32_t kAdd = 4;        // "加える"
inline constexpr int32_t kStandBy = 5;    // "待機"
inline constexpr int32_t kRow = 6;        // "隊列"
inline constexpr int32_t kCount = 7;
}  // namespace CampEntry

// 1 for an open entry: "加える" closes when the party is full or every hired
// character is in it, "待機" when only one member is left.
std::array<uint8_t, CampEntry::kCount> CampMenuEnabled(const PartyState& party);

// A hired character outside the party joins at its end (up to 4).
bool AddMember(PartyState& party, int32_t character);
// The member at `position` leaves; the last member never does.
bool StandBy(PartyState& party, int32_t position);
// Front row to back row and back.
void ToggleRow(int32_t character);
