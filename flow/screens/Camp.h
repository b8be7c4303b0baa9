#pragma once
// What the camp's screens share: their SubState numbers, the widgets they
// read, the member being looked at and the way back to the camp menu.
#include <array>
#include <cstdint>

namespace CampState {
inline constexpr int32_t kMenu = 0;
inline constexpr int32_t kMemberChoice = 1;
inline constexpr int32_t kStatus = 2;
inline constexpr int32_t kStatusRows = 3;
inline constexpr int32_t kEquip = 4;
inline constexpr int32_t kItemSlots = 11;
inline constexpr int32_t kItemForSlot = 12;
inline constexpr int32_t kBag = 21;
inline constexpr int32_t kStorage = 22;
inline constexpr int32_t kAddMember = 30;
}  // namespace CampState

// Why a member is being chosen (Flow().tab).
namespace MemberPurpose {
inline constexpr int32_t kStatus = 0;
inline constexpr int32_t kStandBy = 1;
inline constexpr int32_t kRow = 2;
}  // namespace MemberPurpose

inline constexpr int32_t kCampMenuWidget = 2;
inline constexpr int32_t kCampGoodsWidget = 12;   // goods lists, equipment choice
inline constexpr int32_t kCampSlotsWidget = 13;   // the 12 carried-item slots
inline constexpr int32_t kCampAddWidget = 18;     // hired characters outside the party

// The character at party position MenuState; -1 outside the party.
int32_t ChosenMember();
// The member choice and the sub-screens end here: widget 2 active again
// with its entries re-opened or closed by the party as it now is.
void ReturnToCampMenu();
// The (entry, second) pair under a widget's cursor; false when the cursor
// is on no row (an empty list, or a cursor left past the end).
bool RowAtCursor(int32_t widget, int32_t& entry, int32_t& second);

// One step of the status-row cursor (`direction` +1 down, -1 up) over
// groups of these sizes; empty groups are passed over both ways.
void StepStatusRow(const std::array<int32_t, 3>& sizes, int32_t direction, int32_t& group,
                   int32_t& row);

void UpdateCampMenu();
void UpdateMemberChoice();
void DrawCampMenu();

void UpdateCampStatus();
void UpdateStatusRows();
void UpdateEquipChoice();
void DrawCampStatus();

void UpdateItemSlots();
void UpdateItemForSlot();
void DrawItemSlots();

void UpdateBag();
void UpdateStorage();
void DrawBagAndStorage();

void UpdateAddMember();
void DrawAddMember();
