#include "flow/WidgetSetUp.h"

#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "flow/RowFormats.h"

namespace {

using namespace flowtest;

class WidgetSetUpTest : public FlowStateTest {};

TEST_F(WidgetSetUpTest, MenusHoldTheirTextsAndOnlyTheTitleMenuIsActive) {
    SetUpWidgets();
    // One entry per menu text, entry and second both its position.
    for (int32_t w = 0; w < 3; ++w) {
        const ListWidget& menu = Widget(w);
        ASSERT_EQ(menu.Count(), MenuTextCount(menu.RowFormat())) << w;
        for (int32_t i = 0; i < menu.Count(); ++i)
            EXPECT_EQ(Pairs(w)[static_cast<size_t>(i)], std::make_pair(i, i));
    }
    EXPECT_EQ(Widget(1).Count(), 8);
    EXPECT_EQ(MenuText(Widget(0).RowFormat(), 0).ToUtf8(), "はじめから");
    EXPECT_EQ(MenuText(Widget(1).RowFormat(), 7).ToUtf8(), "セーブ");
    EXPECT_EQ(MenuText(Widget(2).RowFormat(), 2).ToUtf8(), "アイテム装備");
    EXPECT_TRUE(MenuText(Widget(2).RowFormat(), 7).Empty());
    EXPECT_EQ(Widget(0).State(), WidgetState::kActive);
    EXPECT_EQ(Widget(0).Cursor(), 0);
    for (int32_t w = 1; w < kWidgetCount; ++w)
        EXPECT_EQ(Widget(w).State(), WidgetState::kHidden) << w;
}

TEST_F(WidgetSetUpTest, EveryWidgetPagesWithButtonsThreeAndFour) {
    SetUpWidgets();
    std::array<uint8_t, 15> pageDown{};
    pageDown[4] = 1;
    for (int32_t w = 0; w < kWidgetCount; ++w) {
        ListWidget& widget = Widget(w);
        widget.Clear();
        for (int32_t i = 0; i < 60; ++i) widget.Add(i, i);
        widget.SetState(WidgetState::kActive);
        EXPECT_TRUE(widget.HandleInput(pageDown)) << w;
        EXPECT_EQ(widget.Cursor(), widget.Columns() * widget.Rows()) << w;
    }
}

}  // namespace
