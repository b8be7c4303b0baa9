#include "engine/graphics/HsvShift.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t ToChannel(double unit) { return static_cast<uint32_t>(std::trunc(unit * 255.0)) & 0xFF; }

}  // namespace

uint32_t ShiftHsvPixel(uint32_t argb, int32_t hue, int32_t saturation, int32_t value) {
    const double a = ((argb >> 24) & 0xFF) / 255.0;
    const double r = ((argb >> 16) & 0xFF) / 255.0;
    const double g = ((argb >> 8) & 0xFF) / 255.0;
    const double b = (argb & 0xFF) / 255.0;

    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    double h = 0.0;
    if (max != min) {
        if (r >= g && r >= b) {
            h = 60.0 * (g - b) / (max - min);
        } else if (g >= b) {
            h = 120.0 + 60.0 * (b - r) / (max - min);
        } else {
            h = 240.0 + 60.0 * (r - g) / (max - min);
        }
    }
    double s = max == 0.0 ? 0.0 : (max - min) / max;
    double v = max;

    h += hue;
    v += value / 100.0;
    s += saturation / 100.0;
    // Offsets of several turns still land in range.
    h = std::fmod(h, 360.0);
    if (h < 0.0) h += 360.0;
    if (h >= 360.0) h = 0.0;
    s = std::clamp(s, 0.0, 1.0);
    v = std::clamp(v, 0.0, 1.0);

    const int sector = (static_cast<int>(std::trunc(h)) / 60) % 6;
    const double f = h / 60.0 - sector;
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - s * f);
    const double t = v * (1.0 - s * (1.0 - f));
    double nr = v, ng = t, nb = p;
    switch (sector) {
        case 0: nr = v, ng = t, nb = p; break;
        case 1: nr = q, ng = v, nb = p; break;
        case 2: nr = p, ng = v, nb = t; break;
        case 3: nr = p, ng = q, nb = v; break;
        case 4: nr = t, ng = p, nb = v; break;
        default: nr = v, ng = p, nb = q; break;
    }
    return ToChannel(a) << 24 | ToChannel(nr) << 16 | ToChannel(ng) << 8 | ToChannel(nb);
}
