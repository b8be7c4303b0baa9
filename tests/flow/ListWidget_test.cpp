#include "flow/ListWidget.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Buttons = std::array<uint8_t, 15>;
constexpr int kUp = 11, kRight = 12, kDown = 13, kLeft = 14, kPageUp = 3, kPageDown = 4;

Buttons Press(std::initializer_list<int> buttons) {
    Buttons pressed{};
    for (int b : buttons) pressed[static_cast<size_t>(b)] = 1;
    return pressed;
}

ListWidget MakeList(int32_t columns, int32_t rows, int32_t count) {
    ListWidget list;
    list.SetLayout(columns, rows);
    list.SetPageButtons(kPageUp, kPageDown);
    for (int32_t i = 0; i < count; ++i) list.Add(i, 100 + i);
    list.SetState(WidgetState::kActive);
    return list;
}

// What the callbacks were given during one Draw.
struct DrawnRow {
    Rect cell;
    int32_t entry;
    int32_t second;
    bool highlighted;
};
struct DrawLog {
    std::vector<Rect> frames;
    std::vector<DrawnRow> rows;
    int scrolls = 0;
    bool moreAbove = false, moreBelow = false;
    double top = -1, bottom = -1;
};
DrawLog g_log;

void LogFrame(uint32_t, const Rect& rect) { g_log.frames.push_back(rect); }
void LogRow(uint32_t, const Rect& cell, int32_t entry, int32_t second, bool highlighted) {
    g_log.rows.push_back({cell, entry, second, highlighted});
}
void LogScroll(uint32_t, const Rect&, bool above, bool below, double top, double bottom) {
    ++g_log.scrolls;
    g_log.moreAbove = above;
    g_log.moreBelow = below;
    g_log.top = top;
    g_log.bottom = bottom;
}

TEST(ListWidgetMovement, OneColumnWrapsUpToTheBottomAndDownToTheTop) {
    ListWidget list = MakeList(1, 12, 30);
    EXPECT_TRUE(list.HandleInput(Press({kUp})));
    EXPECT_EQ(list.Cursor(), 29);
    EXPECT_EQ(list.FirstRow(), 18);
    EXPECT_TRUE(list.HandleInput(Press({kDown})));
    EXPECT_EQ(list.Cursor(), 0);
    EXPECT_EQ(list.FirstRow(), 0);
}

TEST(ListWidgetMovement, DownScrollsOneRowEarlyAndUpOnlyAtTheTopRow) {
    ListWidget list = MakeList(1, 4, 10);
    list.HandleInput(Press({kDown}));
    list.HandleInput(Press({kDown}));
    EXPECT_EQ(list.Cursor(), 2);
    EXPECT_EQ(list.FirstRow(), 0);
    list.HandleInput(Press({kDown}));
    EXPECT_EQ(list.Cursor(), 3);
    EXPECT_EQ(list.FirstRow(), 1);
    // At the bottom the view stops, and the cursor walks to the last row.
    for (int i = 0; i < 6; ++i) list.HandleInput(Press({kDown}));
    EXPECT_EQ(list.Cursor(), 9);
    EXPECT_EQ(list.FirstRow(), 6);
    // Up scrolls only once the cursor stands on the first visible row.
    list.HandleInput(Press({kUp}));
    list.HandleInput(Press({kUp}));
    list.HandleInput(Press({kUp}));
    EXPECT_EQ(list.Cursor(), 6);
    EXPECT_EQ(list.FirstRow(), 6);
    list.HandleInput(Press({kUp}));
    EXPECT_EQ(list.Cursor(), 5);
    EXPECT_EQ(list.FirstRow(), 5);
}

TEST(ListWidgetMovement, TwoColumnsWrapWithinTheRow) {
    ListWidget list = MakeList(2, 4, 5);
    list.Select(4);
    EXPECT_TRUE(list.HandleInput(Press({kRight})));
    EXPECT_EQ(list.Cursor(), 4);  // its row's first column
    EXPECT_TRUE(list.HandleInput(Press({kLeft})));
    EXPECT_EQ(list.Cursor(), 4);  // column 1 of that row is past the end
    list.Select(2);
    list.HandleInput(Press({kRight}));
    EXPECT_EQ(list.Cursor(), 3);
    list.HandleInput(Press({kRight}));
    EXPECT_EQ(list.Cursor(), 2);
    list.HandleInput(Press({kLeft}));
    EXPECT_EQ(list.Cursor(), 3);
    // Down from the second column of the row above the short last row
    // wraps to the top of that column.
    list.HandleInput(Press({kDown}));
    EXPECT_EQ(list.Cursor(), 1);
    // Up from the top row lands on the bottom row, at most on the last entry.
    list.HandleInput(Press({kUp}));
    EXPECT_EQ(list.Cursor(), 4);
}

TEST(ListWidgetMovement, ButtonsActInOrderWithinOneFrame) {
    ListWidget list = MakeList(1, 4, 10);
    list.Select(5);
    // Up then down: back where it was, and one report for both.
    EXPECT_TRUE(list.HandleInput(Press({kUp, kDown})));
    EXPECT_EQ(list.Cursor(), 5);
}

TEST(ListWidgetMovement, PagesByAScreenAndStopsAtTheEnd) {
    ListWidget list = MakeList(1, 12, 30);
    list.HandleInput(Press({kPageDown}));
    EXPECT_EQ(list.Cursor(), 12);
    EXPECT_EQ(list.FirstRow(), 12);
    list.HandleInput(Press({kPageDown}));
    EXPECT_EQ(list.Cursor(), 24);
    EXPECT_EQ(list.FirstRow(), 18);
    list.HandleInput(Press({kPageDown}));
    EXPECT_EQ(list.Cursor(), 29);
    EXPECT_EQ(list.FirstRow(), 18);
    list.HandleInput(Press({kPageUp}));
    EXPECT_EQ(list.Cursor(), 17);
    EXPECT_EQ(list.FirstRow(), 6);
    list.HandleInput(Press({kPageUp}));
    EXPECT_EQ(list.Cursor(), 5);
    EXPECT_EQ(list.FirstRow(), 0);
}

TEST(ListWidgetMovement, PagingASeveralColumnGridNeverLeavesTheLastRowEmpty) {
    // 2 x 3 grid of 10 entries: rows 0-4. Clamping the first row to
    // ceil(9 / 2) - 3 + 1 = 3 would show rows 3-5, the last one empty.
    ListWidget list = MakeList(2, 3, 10);
    list.HandleInput(Press({kPageDown}));
    EXPECT_EQ(list.Cursor(), 6);
    EXPECT_EQ(list.FirstRow(), 2);
    list.HandleInput(Press({kPageDown}));
    EXPECT_EQ(list.Cursor(), 9);
    EXPECT_EQ(list.FirstRow(), 2);
}

TEST(ListWidgetMovement, IgnoredButtonsReportNoMove) {
    for (uint32_t state : {WidgetState::kHidden, WidgetState::kShown, WidgetState::kNoHighlight}) {
        ListWidget list = MakeList(1, 4, 10);
        list.SetState(state);
        EXPECT_FALSE(list.HandleInput(Press({kDown})));
        EXPECT_EQ(list.Cursor(), 0);
    }
    // One column has no left or right; without page buttons nothing pages.
    ListWidget list = MakeList(1, 4, 10);
    list.SetPageButtons(-1, -1);
    EXPECT_FALSE(list.HandleInput(Press({kLeft, kRight, kPageUp, kPageDown})));
    EXPECT_EQ(list.Cursor(), 0);
}

TEST(ListWidgetMovement, AnEmptyListReportsMovesButKeepsTheCursorAtZero) {
    for (int32_t columns : {1, 2}) {
        ListWidget list = MakeList(columns, 4, 0);
        for (int button : {kUp, kRight, kDown, kLeft, kPageUp, kPageDown}) {
            if (columns == 1 && (button == kRight || button == kLeft)) continue;
            EXPECT_TRUE(list.HandleInput(Press({button}))) << button;
            EXPECT_EQ(list.Cursor(), 0) << button;
            EXPECT_EQ(list.FirstRow(), 0) << button;
        }
        EXPECT_EQ(list.EntryAtCursor(), -1);
        EXPECT_EQ(list.SecondAtCursor(), -1);
    }
}

TEST(ListWidgetOperations, SelectClampsAndShowsTheCursorOnTheLastVisibleRow) {
    ListWidget list = MakeList(1, 12, 30);
    list.Select(29);
    EXPECT_EQ(list.FirstRow(), 18);
    list.Select(11);
    EXPECT_EQ(list.FirstRow(), 0);
    list.Select(12);
    EXPECT_EQ(list.FirstRow(), 1);
    list.Select(99);
    EXPECT_EQ(list.Cursor(), 29);
    list.Select(-3);
    EXPECT_EQ(list.Cursor(), 0);
    EXPECT_EQ(list.EntryAtCursor(), 0);
    EXPECT_EQ(list.SecondAtCursor(), 100);

    ListWidget empty = MakeList(1, 12, 0);
    empty.Select(5);
    EXPECT_EQ(empty.Cursor(), 0);
    EXPECT_FALSE(empty.HasEntries());
    EXPECT_EQ(empty.Count(), 0);
}

TEST(ListWidgetOperations, ALayoutWithoutColumnsOrRowsActsAsOne) {
    ListWidget list = MakeList(0, -2, 5);
    EXPECT_EQ(list.Columns(), 1);
    EXPECT_EQ(list.Rows(), 1);
    list.Select(4);
    EXPECT_EQ(list.FirstRow(), 4);
    list.HandleInput(Press({kUp, kPageDown}));
    EXPECT_EQ(list.Cursor(), 4);
}

TEST(ListWidgetOperations, ClearEmptiesAndSortMovesPairsTogether) {
    ListWidget list;
    list.Add(0, 30);
    list.Add(1, 10);
    list.Add(2, 20);
    list.Add(3, 10);
    list.SortBySecond();
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.SecondAt(0), 10);
    EXPECT_EQ(list.SecondAt(1), 10);
    EXPECT_EQ(list.EntryAt(2), 2);
    EXPECT_EQ(list.EntryAt(3), 0);
    EXPECT_EQ(list.SecondAt(3), 30);
    EXPECT_EQ(list.EntryAt(0) + list.EntryAt(1), 4);  // 1 and 3, in either order

    list.Select(3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Cursor(), 0);
    EXPECT_EQ(list.FirstRow(), 0);
    EXPECT_EQ(list.EntryAt(0), -1);
}

TEST(ListWidgetOperations, RestoringAPositionPastTheEndStepsBackOntoTheList) {
    ListWidget list = MakeList(1, 4, 6);
    list.RestorePosition(2, 5);
    EXPECT_EQ(list.Cursor(), 5);
    EXPECT_EQ(list.FirstRow(), 2);
    // One entry fewer: the cursor and the view step back by one.
    ListWidget shorter = MakeList(1, 4, 5);
    shorter.RestorePosition(5, 5);
    EXPECT_EQ(shorter.Cursor(), 4);
    EXPECT_EQ(shorter.FirstRow(), 4);
    // Several entries fewer: the cursor lands on the last one, in view.
    ListWidget muchShorter = MakeList(1, 4, 2);
    muchShorter.RestorePosition(5, 8);
    EXPECT_EQ(muchShorter.Cursor(), 1);
    EXPECT_EQ(muchShorter.FirstRow(), 1);
    ListWidget empty = MakeList(1, 4, 0);
    empty.RestorePosition(3, 3);
    EXPECT_EQ(empty.Cursor(), 0);
    EXPECT_EQ(empty.FirstRow(), 0);
}

class ListWidgetDraw : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = DrawLog{};
        list = MakeList(2, 3, 9);
        list.SetCallbacks(LogFrame, LogRow, LogScroll, kPageUp, kPageDown);
    }
    ListWidget list;
};

TEST_F(ListWidgetDraw, LaysOutTheVisibleCellsRowByRow) {
    list.Select(8);  // first row 2 of 5 rows
    ASSERT_EQ(list.FirstRow(), 2);
    list.Draw({10, 20, 211, 140});
    ASSERT_EQ(g_log.frames.size(), 1u);
    EXPECT_EQ(g_log.frames[0], (Rect{10, 20, 211, 140}));
    // Entries 4 to 8; cells 100 x 40.
    ASSERT_EQ(g_log.rows.size(), 5u);
    EXPECT_EQ(g_log.rows[0].entry, 4);
    EXPECT_EQ(g_log.rows[0].cell, (Rect{10, 20, 110, 60}));
    EXPECT_EQ(g_log.rows[1].cell, (Rect{110, 20, 210, 60}));
    EXPECT_EQ(g_log.rows[4].cell, (Rect{10, 100, 110, 140}));
    EXPECT_EQ(g_log.rows[4].second, 108);
    for (const DrawnRow& row : g_log.rows) EXPECT_EQ(row.highlighted, row.entry == 8);
    EXPECT_EQ(g_log.scrolls, 1);
    EXPECT_TRUE(g_log.moreAbove);
    EXPECT_FALSE(g_log.moreBelow);
    EXPECT_DOUBLE_EQ(g_log.top, 2.0 / 5.0);
    EXPECT_DOUBLE_EQ(g_log.bottom, 1.0);
}

TEST_F(ListWidgetDraw, StateDecidesWhatIsDrawnAndHighlighted) {
    list.SetState(WidgetState::kHidden);
    list.Draw({0, 0, 200, 120});
    EXPECT_TRUE(g_log.frames.empty());
    EXPECT_TRUE(g_log.rows.empty());
    EXPECT_EQ(g_log.scrolls, 0);

    list.SetState(WidgetState::kNoHighlight);
    list.Draw({0, 0, 200, 120});
    ASSERT_EQ(g_log.rows.size(), 6u);
    for (const DrawnRow& row : g_log.rows) EXPECT_FALSE(row.highlighted);
    EXPECT_FALSE(g_log.moreAbove);
    EXPECT_TRUE(g_log.moreBelow);
    EXPECT_DOUBLE_EQ(g_log.top, 0.0);
    EXPECT_DOUBLE_EQ(g_log.bottom, 3.0 / 5.0);

    g_log = DrawLog{};
    list.SetState(WidgetState::kShown);
    list.Draw({0, 0, 200, 120});
    EXPECT_TRUE(g_log.rows[0].highlighted);
}

TEST_F(ListWidgetDraw, AnEmptyListDrawsItsFrameAndAWholeBar) {
    list.Clear();
    list.Draw({0, 0, 200, 120});
    EXPECT_EQ(g_log.frames.size(), 1u);
    EXPECT_TRUE(g_log.rows.empty());
    EXPECT_EQ(g_log.scrolls, 1);
    EXPECT_FALSE(g_log.moreAbove);
    EXPECT_FALSE(g_log.moreBelow);
    EXPECT_DOUBLE_EQ(g_log.top, 0.0);
    EXPECT_DOUBLE_EQ(g_log.bottom, 1.0);
}

// Random presses on random grids: the cursor stays on the list (0 when it
// is empty), the view never scrolls past the last row, and the cursor's
// row is in view.
TEST(ListWidgetProperty, RandomPressesKeepTheCursorOnTheListAndInView) {
    std::mt19937 random(20241207);
    const int kButtons[] = {kUp, kRight, kDown, kLeft, kPageUp, kPageDown};
    for (int trial = 0; trial < 400; ++trial) {
        const int32_t columns = std::uniform_int_distribution<int32_t>(1, 4)(random);
        const int32_t rows = std::uniform_int_distribution<int32_t>(1, 12)(random);
        const int32_t count = std::uniform_int_distribution<int32_t>(0, 60)(random);
        ListWidget list = MakeList(columns, rows, count);
        if (count > 0) list.Select(std::uniform_int_distribution<int32_t>(0, count - 1)(random));
        const int32_t lastRow = count > 0 ? (count - 1) / columns : 0;
        for (int press = 0; press < 50; ++press) {
            Buttons pressed{};
            // Mostly one button, sometimes several in the same frame.
            const int n = std::uniform_int_distribution<int>(1, 3)(random) == 3 ? 3 : 1;
            for (int i = 0; i < n; ++i)
                pressed[static_cast<size_t>(
                    kButtons[std::uniform_int_distribution<int>(0, 5)(random)])] = 1;
            list.HandleInput(pressed);
            const int32_t cursor = list.Cursor();
            const int32_t first = list.FirstRow();
            ASSERT_GE(cursor, 0);
            ASSERT_LT(cursor, std::max(count, 1));
            ASSERT_GE(first, 0);
            // Never scrolled past the point where the last row is at the bottom.
            ASSERT_LE(first, std::max(lastRow - rows + 1, 0));
            ASSERT_GE(cursor / columns, first) << columns << "x" << rows << " n=" << count;
            ASSERT_LT(cursor / columns, first + rows) << columns << "x" << rows << " n=" << count;
        }
    }
}

}  // namespace
