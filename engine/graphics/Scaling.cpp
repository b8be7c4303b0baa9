#include "engine/graphics/Scaling.h"

#include <algorithm>

#include "engine/graphics/QuadGeometry.h"

PicturePlacement PlacePicture(Size output, Size picture, ScaleMode mode) {
    if (output.w <= 0 || output.h <= 0 || picture.w <= 0 || picture.h <= 0) return {};
    if (mode == ScaleMode::kWholeNumber) {
        const int32_t factor = std::min(output.w / picture.w, output.h / picture.h);
        if (factor >= 1) {
            const int32_t w = picture.w * factor, h = picture.h * factor;
            const int32_t left = (output.w - w) / 2, top = (output.h - h) / 2;
            return {{left, top, left + w, top + h}, true};
        }
    }
    return {LetterboxRect(output, picture), false};
}
