#pragma once
// Where the characters of a string go: advances, alignment, line breaks and
// the maximum unit count. Pure arithmetic over a style and advance ratios,
// so it runs without a font or a device.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/font/FontSpec.h"
#include "engine/graphics/Geometry.h"

struct PlacedUnit {
    char16_t unit = 0;
    int32_t x = 0, y = 0;  // top left of its cell
    bool operator==(const PlacedUnit&) const = default;
};

// The advance of a unit as a fraction of the cell width.
using AdvanceRatio = std::function<double(char16_t unit)>;

// Pixels from one character's cell to the next.
int32_t UnitAdvance(char16_t unit, const TextStyle& style, const AdvanceRatio& ratio);

// The drawn units (not spaces, tabs or line feeds) with their cells. A max
// count of -1 takes the whole string. With horizontal alignment 0 the origin
// is the top left of the first cell and the vertical code is not used; with
// 1 or 2 every line is centred on or ends at the origin x, the first line
// sits h/2 (vertical 1) or h (vertical 2) above the origin y, and each later
// line h + line gap below the one before.
// The same into `placed` (cleared first), which keeps its storage.
void LayoutTextInto(std::vector<PlacedUnit>& placed, Point origin, std::u16string_view text,
                    int32_t maxUnits, const TextStyle& style, int32_t horizontal,
                    int32_t vertical, const AdvanceRatio& ratio);
std::vector<PlacedUnit> LayoutText(Point origin, std::u16string_view text, int32_t maxUnits,
                                   const TextStyle& style, int32_t horizontal, int32_t vertical,
                                   const AdvanceRatio& ratio);
