#include "flow/ListWidget.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t kButtonUp = 11;
constexpr int32_t kButtonRight = 12;
constexpr int32_t kButtonDown = 13;
constexpr int32_t kButtonLeft = 14;

bool Pressed(const std::array<uint8_t, 15>& pressed, int32_t button) {
    // A page button of -1 (or any number outside the 15) is no button.
    return button >= 0 && button < static_cast<int32_t>(pressed.size()) && pressed[button] != 0;
}

}  // namespace

void ListWidget::Clear() {
    firstRow_ = 0;
    cursor_ = 0;
    entries_.clear();
    seconds_.clear();
}

void ListWidget::Add(int32_t entry, int32_t second) {
    entries_.push_back(entry);
    seconds_.push_back(second);
}

void ListWidget::SetLayout(int32_t columns, int32_t rows) {
    // Every position computation divides by these.
    columns_ = std::max(columns, 1);
    rows_ = std::max(rows, 1);
}

void ListWidget::SetPageButtons(int32_t up, int32_t down) {
    pageUp_ = up;
    pageDown_ = down;
}

void ListWidget::SetCallbacks(FrameCallback frame, RowCallback row, ScrollCallback scroll,
                              int32_t pageUp, int32_t pageDown) {
    frame_ = frame;
    row_ = row;
    scroll_ = scroll;
    SetPageButtons(pageUp, pageDown);
}

void ListWidget::Select(int32_t index) {
    index = std::clamp(index, 0, std::max(Count() - 1, 0));
    const int32_t page = columns_ * rows_;
    firstRow_ = index < page ? 0 : (index - page) / columns_ + 1;
    cursor_ = index;
}

int32_t ListWidget::EntryAt(int32_t index) const {
    return index >= 0 && index < Count() ? entries_[static_cast<size_t>(index)] : -1;
}

int32_t ListWidget::SecondAt(int32_t index) const {
    return index >= 0 && index < Count() ? seconds_[static_cast<size_t>(index)] : -1;
}

int32_t ListWidget::EntryAtCursor() const { return EntryAt(cursor_); }

int32_t ListWidget::SecondAtCursor() const { return SecondAt(cursor_); }

void ListWidget::SortBySecond() {
    // An exchange sort, as the lists are short; entries travel with their seconds.
    const size_t n = seconds_.size();
    for (size_t i = 0; i + 1 < n; ++i) {
        for (size_t j = i + 1; j < n; ++j) {
            if (seconds_[j] < seconds_[i]) {
                std::swap(seconds_[i], seconds_[j]);
                std::swap(entries_[i], entries_[j]);
            }
        }
    }
}

bool ListWidget::HandleInput(const std::array<uint8_t, 15>& pressed) {
    if (state_ != WidgetState::kActive) return false;
    const int32_t k = columns_;
    const int32_t r = rows_;
    const int32_t last = Count() - 1;
    const int32_t lastRow = last / k;
    int32_t p = cursor_;
    int32_t f = firstRow_;
    bool moved = false;
    // On an empty list the buttons still count as moves (the screen plays
    // "cur"), but there is nothing to move over.
    const bool empty = last < 0;

    if (Pressed(pressed, kButtonUp)) {
        moved = true;
        if (!empty) {
            if (p / k > 0) {
                if (p / k == f) --f;
                p -= k;
            } else {
                p = std::min(lastRow * k + p % k, last);
                f = std::max(lastRow - r + 1, 0);
            }
        }
    }
    if (k != 1 && Pressed(pressed, kButtonRight)) {
        moved = true;
        if (!empty) p = (p % k != k - 1 && p != last) ? p + 1 : (p / k) * k;
    }
    if (Pressed(pressed, kButtonDown)) {
        moved = true;
        if (!empty) {
            const int32_t row = p / k;
            const int32_t column = p % k;
            p += k;
            // Scroll one row early, so a row stays visible below the cursor.
            if (row - f > r - 3 && f <= lastRow - r) ++f;
            if (p > last) {
                f = 0;
                p = column;
            }
        }
    }
    if (k != 1 && Pressed(pressed, kButtonLeft)) {
        moved = true;
        if (!empty) p = p % k != 0 ? p - 1 : std::min((p / k) * k + k - 1, last);
    }
    if (Pressed(pressed, pageUp_)) {
        moved = true;
        p = std::max(p - k * r, 0);
        f = std::max(f - r, 0);
    }
    if (Pressed(pressed, pageDown_)) {
        moved = true;
        if (!empty) {
            p = std::min(p + k * r, last);
            // The same limit as moving down, so the last visible row is
            // never left empty on a grid of several columns.
            f = std::max(std::min(f + r, lastRow - r + 1), 0);
        }
    }
    cursor_ = empty ? 0 : p;
    if (empty) f = 0;
    firstRow_ = f;
    return moved;
}

void ListWidget::Draw(const Rect& rect) const {
    if (state_ == WidgetState::kHidden) return;
    if (frame_ != nullptr) frame_(rowFormat_, rect);
    const int32_t k = columns_;
    const int32_t r = rows_;
    const int32_t n = Count();
    if (row_ != nullptr) {
        const int32_t cellWidth = rect.Width() / k;
        const int32_t cellHeight = rect.Height() / r;
        for (int32_t cell = 0; cell < k * r; ++cell) {
            const int32_t i = firstRow_ * k + cell;
            if (i < 0) continue;
            if (i >= n) break;
            Rect box;
            box.left = rect.left + (cell % k) * cellWidth;
            box.top = rect.top + (cell / k) * cellHeight;
            box.right = box.left + cellWidth;
            box.bottom = box.top + cellHeight;
            const bool highlighted = i == cursor_ && state_ != WidgetState::kNoHighlight;
            row_(rowFormat_, box, entries_[static_cast<size_t>(i)],
                 seconds_[static_cast<size_t>(i)], highlighted);
        }
    }
    if (scroll_ != nullptr) {
        const int32_t totalRows = (n + k - 1) / k;
        // An empty list has no rows to take fractions of: the bar spans all.
        const double top = totalRows > 0 ? static_cast<double>(firstRow_) / totalRows : 0.0;
        const double bottom =
            totalRows > 0 ? std::min(1.0, static_cast<double>(firstRow_ + r) / totalRows) : 1.0;
        scroll_(rowFormat_, rect, firstRow_ != 0, (firstRow_ + r) * k < n, top, bottom);
    }
}

void ListWidget::RestorePosition(int32_t firstRow, int32_t cursor) {
    firstRow_ = std::max(firstRow, 0);
    // A refill that removed entries at the cursor leaves it past the end:
    // bring it back onto the last entry and keep it in view.
    cursor_ = std::clamp(cursor, 0, std::max(Count() - 1, 0));
    const int32_t row = cursor_ / columns_;
    if (row < firstRow_) firstRow_ = row;
    if (row >= firstRow_ + rows_) firstRow_ = row - rows_ + 1;
}
