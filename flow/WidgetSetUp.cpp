#include "flow/WidgetSetUp.h"

#include <cstdint>

#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "flow/RowFormats.h"

namespace {

struct WidgetSetting {
    int32_t widget;
    uint32_t rowFormat;
    int32_t columns;
    int32_t rows;
};

// The lists: every one on a panel, with scroll marks.
constexpr WidgetSetting kLists[] = {
    {10, RowFormat::kArea, 1, 12},          {11, RowFormat::kCommand, 2, 9},
    {12, RowFormat::kItem, 1, 6},           {13, RowFormat::kItem, 1, 12},
    {14, RowFormat::kShop, 1, 18},          {15, RowFormat::kPawn, 1, 18},
    {16, RowFormat::kBounty, 1, 14},        {17, RowFormat::kTavern, 1, 7},
    {18, RowFormat::kCharacter, 1, 7},      {19, RowFormat::kRecipe, 1, 18},
    {20, RowFormat::kSynthesisSlot, 1, 10}, {21, RowFormat::kItem, 1, 18},
    {22, RowFormat::kDepth, 1, 12},         {23, RowFormat::kSaveSlot, 1, 15},
};

void SetUpMenu(int32_t number, uint32_t menuFormat, FrameCallback frame, RowCallback row,
               int32_t columns, int32_t rows) {
    ListWidget& widget = Widget(number);
    widget.Clear();
    widget.SetRowFormat(menuFormat);
    widget.SetCallbacks(frame, row, nullptr, kPageUp, kPageDown);
    widget.SetLayout(columns, rows);
    for (int32_t i = 0; i < MenuTextCount(menuFormat); ++i) widget.Add(i, i);
}

}  // namespace

void SetUpWidgets() {
    // Unused widgets still page like the others.
    for (ListWidget& widget : Flow().widgets) widget.SetPageButtons(kPageUp, kPageDown);

    SetUpMenu(0, RowFormat::kTitleMenu, nullptr, MenuRow, 1, 2);
    Widget(0).SetState(WidgetState::kActive);
    SetUpMenu(1, RowFormat::kTownMenu, PanelFrame, MenuRow, 2, 4);
    SetUpMenu(2, RowFormat::kCampMenu, PanelFrame, CampMenuRow, 1, 7);

    for (const WidgetSetting& setting : kLists) {
        ListWidget& widget = Widget(setting.widget);
        widget.Clear();
        widget.SetRowFormat(setting.rowFormat);
        widget.SetCallbacks(PanelFrame, StandardRow, ScrollMarks, kPageUp, kPageDown);
        widget.SetLayout(setting.columns, setting.rows);
    }
}
