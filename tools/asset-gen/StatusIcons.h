#pragma once
// Status icons, one per status kind (0-29), and the rise and fall marks
// drawn over the icons of raised or lowered parameters. Small badges with a
// bold symbol that reads at 16 pixels; transparent around the badge.
#include "tools/asset-gen/Canvas.h"

namespace assetgen {

inline constexpr int kIconSize = 24;

Canvas PaintStatusIcon(int kind);
Canvas PaintRiseMark(bool up);

}  // namespace assetgen
