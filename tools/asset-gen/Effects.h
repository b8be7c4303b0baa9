#pragma once
// Hit effect strips: columns x rows cells of 96 x 96, the frames of one
// animation in reading order, painted as light on black (premultiplied, as
// the battle screen adds them) with a fully transparent background.
#include <string>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

inline constexpr int kEffectCell = 96;

Canvas PaintEffectStrip(const std::string& name, int columns, int rows);

}  // namespace assetgen
