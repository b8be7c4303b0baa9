#pragma once
// The game's standard list callbacks: the tinted panel behind a list, the
// scroll marks with their bar, the three menus and the rows of every list
// kind (row formats 0 to 11). Rows draw with the cell size the screen set
// before drawing the widget; each row sets its own alignment and colours
// and leaves the text white and centred, as every screen draw starts.
#include <cstdint>

#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"

namespace RowFormat {
inline constexpr uint32_t kArea = 0;
inline constexpr uint32_t kCommand = 1;
inline constexpr uint32_t kItem = 2;
inline constexpr uint32_t kPawn = 3;
inline constexpr uint32_t kShop = 4;
inline constexpr uint32_t kBounty = 5;
inline constexpr uint32_t kTavern = 6;
inline constexpr uint32_t kCharacter = 7;
inline constexpr uint32_t kRecipe = 8;
inline constexpr uint32_t kSynthesisSlot = 9;
inline constexpr uint32_t kDepth = 10;
inline constexpr uint32_t kSaveSlot = 11;
// The menus: their rows are the menu texts, chosen by these numbers.
inline constexpr uint32_t kTitleMenu = 100;
inline constexpr uint32_t kTownMenu = 101;
inline constexpr uint32_t kCampMenu = 102;
}  // namespace RowFormat

// Number of texts of a menu format (0 for any other format), and the text
// of one entry (empty outside the menu).
int32_t MenuTextCount(uint32_t menuFormat);
WString MenuText(uint32_t menuFormat, int32_t entry);

// The panel texture tinted panel blue over the whole rect.
void PanelFrame(uint32_t rowFormat, const Rect& rect);
// "▲" at the top centre, "▼" at the bottom centre, and a 10-pixel bar just
// right of the rect spanning the visible share of the rows.
void ScrollMarks(uint32_t rowFormat, const Rect& rect, bool moreAbove, bool moreBelow,
                 double topFraction, double bottomFraction);
// The title and town menus: the text centred, red when highlighted.
void MenuRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t second, bool highlighted);
// The camp menu: as MenuRow, disabled entries (Flow().menuEnabled) in dark
// red or grey.
void CampMenuRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t second,
                 bool highlighted);
// Row formats 0 to 11; any other format draws nothing.
void StandardRow(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t second,
                 bool highlighted);
