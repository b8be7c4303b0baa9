#include "tools/autoplay/CursorPath.h"

#include <gtest/gtest.h>

#include "engine/input/Input.h"

namespace {

ListWidget MakeList(int32_t count, int32_t columns, int32_t rows) {
    ListWidget widget;
    widget.SetLayout(columns, rows);
    widget.SetPageButtons(kPageUp, kPageDown);
    for (int32_t i = 0; i < count; ++i) widget.Add(i, 100 + i);
    widget.SetState(WidgetState::kActive);
    return widget;
}

// Plays the path on the widget itself, as the game would.
int32_t Follow(ListWidget widget, const std::vector<int32_t>& path) {
    for (int32_t button : path) {
        std::array<uint8_t, 15> pressed{};
        pressed[size_t(button)] = 1;
        widget.HandleInput(pressed);
    }
    return widget.Cursor();
}

TEST(CursorPath, ReachesEveryRowOfListsAndGrids) {
    struct Layout {
        int32_t count, columns, rows;
        bool sideways;
    };
    // A long scrolling list, the town's 2 x 4 menu, the command grid, a
    // list shorter than its window.
    for (const Layout& layout : {Layout{40, 1, 18, false}, Layout{8, 2, 4, true},
                                 Layout{23, 2, 9, true}, Layout{3, 1, 12, false}}) {
        ListWidget widget = MakeList(layout.count, layout.columns, layout.rows);
        for (int32_t start : {0, layout.count / 2, layout.count - 1}) {
            widget.Select(start);
            for (int32_t target = 0; target < layout.count; ++target) {
                const auto path = CursorPath(widget, target, layout.sideways);
                ASSERT_TRUE(path.has_value()) << layout.count << " from " << start << " to " << target;
                EXPECT_EQ(Follow(widget, *path), target) << layout.count << " from " << start;
                // Never longer than walking row by row.
                EXPECT_LE(path->size(), size_t(layout.count));
                if (!layout.sideways) {
                    for (int32_t b : *path) EXPECT_TRUE(b != kLeft && b != kRight);
                }
            }
        }
    }
}

TEST(CursorPath, TakesShortCutsAndKnowsWhenItIsThere) {
    ListWidget widget = MakeList(40, 1, 18);
    EXPECT_EQ(CursorPath(widget, 0, false)->size(), 0u);
    // The last row is one press up away (the cursor wraps).
    EXPECT_EQ(*CursorPath(widget, 39, false), std::vector<int32_t>{kUp});
    // Row 18 is a page away.
    EXPECT_EQ(*CursorPath(widget, 18, false), std::vector<int32_t>{kPageDown});
}

TEST(CursorPath, RefusesRowsOutsideTheList) {
    EXPECT_FALSE(CursorPath(MakeList(5, 1, 12), 5, false).has_value());
    EXPECT_FALSE(CursorPath(MakeList(5, 1, 12), -1, false).has_value());
    EXPECT_FALSE(CursorPath(MakeList(0, 1, 12), 0, false).has_value());
}

TEST(CursorPath, FindsRowsByValue) {
    const ListWidget widget = MakeList(5, 1, 12);
    EXPECT_EQ(RowWithEntry(widget, 3), 3);
    EXPECT_EQ(RowWithSecond(widget, 104), 4);
    EXPECT_EQ(RowWithSecond(widget, 7), -1);
}

}  // namespace
