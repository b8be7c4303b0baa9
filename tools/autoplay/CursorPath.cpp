#include "tools/autoplay/CursorPath.h"

#include <array>
#include <deque>
#include <map>
#include <utility>

#include "engine/input/Input.h"

namespace {

struct Step {
    std::pair<int32_t, int32_t> from;  // (cursor, first row) before the press
    int32_t button = -1;
};

}  // namespace

std::optional<std::vector<int32_t>> CursorPath(const ListWidget& widget, int32_t target,
                                               bool sideways) {
    if (target < 0 || target >= widget.Count()) return std::nullopt;
    if (widget.Cursor() == target) return std::vector<int32_t>{};
    std::vector<int32_t> buttons{kDown, kUp, kPageDown, kPageUp};
    if (sideways && widget.Columns() > 1) {
        buttons.push_back(kRight);
        buttons.push_back(kLeft);
    }
    ListWidget probe = widget;
    probe.SetState(WidgetState::kActive);
    using Key = std::pair<int32_t, int32_t>;
    const Key start{widget.Cursor(), widget.FirstRow()};
    std::map<Key, Step> came;
    came[start] = Step{start, -1};
    std::deque<Key> queue{start};
    while (!queue.empty()) {
        const Key at = queue.front();
        queue.pop_front();
        for (int32_t button : buttons) {
            probe.RestorePosition(at.second, at.first);
            // RestorePosition pulls the cursor's row into view; a state it
            // cannot rebuild is not explored (the driver replans anyway).
            if (probe.Cursor() != at.first || probe.FirstRow() != at.second) break;
            std::array<uint8_t, 15> pressed{};
            pressed[size_t(button)] = 1;
            probe.HandleInput(pressed);
            const Key next{probe.Cursor(), probe.FirstRow()};
            if (came.count(next) != 0) continue;
            came[next] = Step{at, button};
            if (next.first == target) {
                std::vector<int32_t> path;
                for (Key k = next; k != start; k = came[k].from) path.insert(path.begin(), came[k].button);
                return path;
            }
            queue.push_back(next);
        }
    }
    return std::nullopt;
}

int32_t RowWithSecond(const ListWidget& widget, int32_t second) {
    for (int32_t i = 0; i < widget.Count(); ++i)
        if (widget.SecondAt(i) == second) return i;
    return -1;
}

int32_t RowWithEntry(const ListWidget& widget, int32_t entry) {
    for (int32_t i = 0; i < widget.Count(); ++i)
        if (widget.EntryAt(i) == entry) return i;
    return -1;
}
