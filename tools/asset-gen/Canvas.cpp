#include "tools/asset-gen/Canvas.h"

namespace assetgen {

Rgba Canvas::Sample(float x, float y) const {
    x = std::clamp(x, 0.0f, float(w_ - 1));
    y = std::clamp(y, 0.0f, float(h_ - 1));
    const int x0 = int(x), y0 = int(y);
    const int x1 = std::min(x0 + 1, w_ - 1), y1 = std::min(y0 + 1, h_ - 1);
    const float fx = x - x0, fy = y - y0;
    return Mix(Mix(At(x0, y0), At(x1, y0), fx), Mix(At(x0, y1), At(x1, y1), fx), fy);
}

Canvas Canvas::Resized(int width, int height) const {
    Canvas out(width, height);
    const float sx = float(w_) / width, sy = float(h_) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Average the source pixels under the target pixel, weighting
            // colours by alpha so transparent pixels do not darken edges.
            const int x0 = int(x * sx), x1 = std::max(x0 + 1, int((x + 1) * sx));
            const int y0 = int(y * sy), y1 = std::max(y0 + 1, int((y + 1) * sy));
            float r = 0, g = 0, b = 0, a = 0;
            int n = 0;
            for (int v = y0; v < std::min(y1, h_); ++v) {
                for (int u = x0; u < std::min(x1, w_); ++u) {
                    const Rgba& p = At(u, v);
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                    ++n;
                }
            }
            if (a > 0) out.At(x, y) = {r / a, g / a, b / a, a / float(std::max(n, 1))};
        }
    }
    return out;
}

void Canvas::Paste(const Canvas& src, int x, int y) {
    for (int v = 0; v < src.Height(); ++v)
        for (int u = 0; u < src.Width(); ++u) Over(x + u, y + v, src.At(u, v));
}

}  // namespace assetgen
