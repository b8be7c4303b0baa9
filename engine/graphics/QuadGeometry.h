#pragma once
// The four corners of one drawn quad: screen position, colour and texture
// coordinates of the chosen grid cell, with the flip flags applied.
#include <array>
#include <cstdint>

#include "engine/graphics/Geometry.h"

struct QuadVertex {
    float x = 0, y = 0;
    Color color;
    float u = 0, v = 0;
};

// Which part of the texture a quad shows: the visible extents (image size
// over allocated size) cut into columns x rows cells.
struct CellGrid {
    double uExtent = 1.0, vExtent = 1.0;
    int32_t columns = 1, rows = 1;
};

enum FlipFlags : int32_t { kFlipHorizontal = 1, kFlipVertical = 2 };

// Corners and colours in the order top left, top right, bottom right,
// bottom left. A cell past the grid continues into rows below the image.
std::array<QuadVertex, 4> BuildQuad(const std::array<Point, 4>& corners,
                                    const std::array<Color, 4>& colors, const CellGrid& grid,
                                    int32_t cell, int32_t flip);

// Where the 640 x 480 picture lands in an output of another size: as large
// as fits, aspect kept, centred between black bars.
Rect LetterboxRect(Size output, Size picture);
