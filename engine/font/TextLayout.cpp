#include "engine/font/TextLayout.h"

#include <cmath>

namespace {

constexpr char16_t kSpace = u' ';
constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr char16_t kTab = u'\t';
constexpr char16_t kLineFeed = u'\n';

bool IsBlank(char16_t unit) { return unit == kSpace || unit == kIdeographicSpace || unit == kTab; }

}  // namespace

int32_t UnitAdvance(char16_t unit, const TextStyle& style, const AdvanceRatio& ratio) {
    const int32_t w = style.cellWidth;
    switch (unit) {
        case kSpace: return w / 2 + style.spacing;
        case kIdeographicSpace: return w + style.spacing;
        case kTab: return 2 * w + style.spacing;
        default: return int32_t(std::trunc(w * ratio(unit))) + style.spacing;
    }
}

std::vector<PlacedUnit> LayoutText(Point origin, std::u16string_view text, int32_t maxUnits,
                                   const TextStyle& style, int32_t horizontal, int32_t vertical,
                                   const AdvanceRatio& ratio) {
    std::vector<PlacedUnit> placed;
    LayoutTextInto(placed, origin, text, maxUnits, style, horizontal, vertical, ratio);
    return placed;
}

void LayoutTextInto(std::vector<PlacedUnit>& placed, Point origin, std::u16string_view text,
                    int32_t maxUnits, const TextStyle& style, int32_t horizontal,
                    int32_t vertical, const AdvanceRatio& ratio) {
    placed.clear();
    size_t n = text.size();
    if (maxUnits != -1 && maxUnits >= 0 && size_t(maxUnits) < n) n = size_t(maxUnits);
    if (maxUnits < -1) n = 0;
    text = text.substr(0, n);
    const int32_t h = style.cellHeight;

    if (horizontal != kAlignCentre && horizontal != kAlignEnd) {
        int32_t x = origin.x, y = origin.y;
        for (char16_t unit : text) {
            if (unit == kLineFeed) {
                x = origin.x;
                y += h + style.lineGap;
                continue;
            }
            if (!IsBlank(unit)) placed.push_back({unit, x, y});
            x += UnitAdvance(unit, style, ratio);
        }
        return;
    }

    int32_t y = origin.y;
    if (vertical == kAlignCentre) y -= h / 2;
    if (vertical == kAlignEnd) y -= h;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(kLineFeed, start);
        if (end == std::u16string_view::npos) end = text.size();
        const std::u16string_view line = text.substr(start, end - start);
        int32_t width = 0;
        for (char16_t unit : line) width += UnitAdvance(unit, style, ratio);
        const int32_t ink = width - style.spacing;  // no spacing after the last
        int32_t x = origin.x - (horizontal == kAlignCentre ? ink / 2 : ink);
        for (char16_t unit : line) {
            if (!IsBlank(unit)) placed.push_back({unit, x, y});
            x += UnitAdvance(unit, style, ratio);
        }
        y += h + style.lineGap;
        if (end == text.size()) break;
        start = end + 1;
    }
}
