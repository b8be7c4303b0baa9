#pragma once
// Windows bitmaps as the game's loader reads them: 24-bit for opaque
// pictures, 32-bit with an alpha mask (BITMAPV4 header) for pictures with a
// transparent background. Rows are stored bottom-up.
#include <cstdint>
#include <vector>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

std::vector<uint8_t> EncodeBmp24(const Canvas& picture);
// Channels are written as they stand; a pixel whose alpha rounds to 0 is
// written as 0 in every channel, so the top-left pixel of a picture with a
// transparent corner is exactly the colour key the loader expects.
std::vector<uint8_t> EncodeBmp32(const Canvas& picture);

}  // namespace assetgen
