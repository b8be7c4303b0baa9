#include "engine/graphics/QuadGeometry.h"

#include <utility>

std::array<QuadVertex, 4> BuildQuad(const std::array<Point, 4>& corners,
                                    const std::array<Color, 4>& colors, const CellGrid& grid,
                                    int32_t cell, int32_t flip) {
    // A grid of zero cells would divide by zero; such a record shows whole.
    const int32_t columns = grid.columns > 0 ? grid.columns : 1;
    const int32_t rows = grid.rows > 0 ? grid.rows : 1;
    const int32_t column = cell % columns;
    const int32_t row = cell / columns;
    const double du = grid.uExtent / columns;
    const double dv = grid.vExtent / rows;
    // In doubles: the row after the last one a cell number can name would
    // not fit in 32 bits.
    const float uL = static_cast<float>(column * du);
    const float uR = static_cast<float>((column + 1.0) * du);
    const float vT = static_cast<float>(row * dv);
    const float vB = static_cast<float>((row + 1.0) * dv);

    std::array<QuadVertex, 4> quad;
    const float us[4] = {uL, uR, uR, uL};
    const float vs[4] = {vT, vT, vB, vB};
    for (int i = 0; i < 4; ++i) {
        quad[i].x = static_cast<float>(corners[i].x);
        quad[i].y = static_cast<float>(corners[i].y);
        quad[i].color = colors[i];
        quad[i].u = us[i];
        quad[i].v = vs[i];
    }
    if (flip & kFlipHorizontal) {
        std::swap(quad[0].u, quad[1].u);
        std::swap(quad[3].u, quad[2].u);
    }
    if (flip & kFlipVertical) {
        std::swap(quad[0].v, quad[3].v);
        std::swap(quad[1].v, quad[2].v);
    }
    return quad;
}

Rect LetterboxRect(Size output, Size picture) {
    if (output.w <= 0 || output.h <= 0 || picture.w <= 0 || picture.h <= 0) return {};
    // Compare w/h ratios in integers: output.w * picture.h vs output.h * picture.w.
    const int64_t wide = int64_t{output.w} * picture.h;
    const int64_t tall = int64_t{output.h} * picture.w;
    Size fit = output;
    if (wide > tall) {
        fit.w = static_cast<int32_t>(tall / picture.h);  // bars left and right
    } else {
        fit.h = static_cast<int32_t>(wide / picture.w);  // bars above and below
    }
    const int32_t left = (output.w - fit.w) / 2;
    const int32_t top = (output.h - fit.h) / 2;
    return {left, top, left + fit.w, top + fit.h};
}
