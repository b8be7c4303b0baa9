#pragma once
// A scrollable grid of (entry value, second value) rows with a cursor: every
// menu and list of the game. The widget owns no drawing code; it lays its
// cells out and calls its callbacks, so its movement runs without a window.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/graphics/Geometry.h"

namespace WidgetState {
inline constexpr uint32_t kHidden = 0;
inline constexpr uint32_t kShown = 1;
inline constexpr uint32_t kActive = 2;
inline constexpr uint32_t kNoHighlight = 3;  // shown without the cursor's highlight
}  // namespace WidgetState

using FrameCallback = void (*)(uint32_t rowFormat, const Rect& rect);
using RowCallback = void (*)(uint32_t rowFormat, const Rect& cell, int32_t entry, int32_t second,
                             bool highlighted);
using ScrollCallback = void (*)(uint32_t rowFormat, const Rect& rect, bool moreAbove,
                                bool moreBelow, double topFraction, double bottomFraction);

class ListWidget {
public:
    void Clear();
    void Add(int32_t entry, int32_t second);
    void SetState(uint32_t state) { state_ = state; }
    void SetLayout(int32_t columns, int32_t rows);
    void SetPageButtons(int32_t up, int32_t down);
    void SetRowFormat(uint32_t format) { rowFormat_ = format; }
    void SetCallbacks(FrameCallback frame, RowCallback row, ScrollCallback scroll, int32_t pageUp,
                      int32_t pageDown);
    void Select(int32_t index);

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    bool HasEntries() const { return !entries_.empty(); }
    int32_t Cursor() const { return cursor_; }
    int32_t FirstRow() const { return firstRow_; }
    int32_t EntryAtCursor() const;
    int32_t SecondAtCursor() const;
    int32_t EntryAt(int32_t index) const;
    int32_t SecondAt(int32_t index) const;
    void SortBySecond();

    uint32_t State() const { return state_; }
    uint32_t RowFormat() const { return rowFormat_; }
    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }

    // Moves the cursor by this frame's buttons (15 flags); true when a
    // movement button was handled. Only an active widget reacts.
    bool HandleInput(const std::array<uint8_t, 15>& pressed);
    void Draw(const Rect& rect) const;

    // Restores a remembered first row and cursor (the keep rule of a refill).
    void RestorePosition(int32_t firstRow, int32_t cursor);

private:
    std::vector<int32_t> entries_;
    std::vector<int32_t> seconds_;
    uint32_t rowFormat_ = 0;
    int32_t pageUp_ = -1;
    int32_t pageDown_ = -1;
    uint32_t state_ = WidgetState::kHidden;
    int32_t firstRow_ = 0;
    int32_t cursor_ = 0;
    int32_t columns_ = 1;
    int32_t rows_ = 1;
    FrameCallback frame_ = nullptr;
    RowCallback row_ = nullptr;
    ScrollCallback scroll_ = nullptr;
};
