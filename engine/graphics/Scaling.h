#pragma once
// How the 640 x 480 picture fills a window or screen of another size, with
// its shape kept and black bars around it. Smooth scaling fills as much as
// fits, filtered; whole-number scaling takes the largest whole multiple that
// fits, with sharp pixels (a window smaller than the picture still shrinks it
// smoothly, since no whole multiple fits).
#include <cstdint>

#include "engine/graphics/Geometry.h"

enum class ScaleMode : int32_t { kSmooth = 0, kWholeNumber = 1 };

struct PicturePlacement {
    Rect rect;           // where the picture lands in the output
    bool sharp = false;  // nearest-neighbour filtering
};

PicturePlacement PlacePicture(Size output, Size picture, ScaleMode mode);
