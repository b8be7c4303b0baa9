#pragma once
// Character portraits, 128 x 128, opaque: one distinct person per row of
// the character table, dressed for their job.
#include "tools/asset-gen/Canvas.h"

namespace assetgen {

inline constexpr int kFaceSize = 128;

Canvas PaintFace(int character);

}  // namespace assetgen
