#pragma once
// The seven shared colours of the screens.
#include "engine/graphics/Geometry.h"

namespace palette {
inline constexpr Color kWhite{255, 255, 255, 255};
inline constexpr Color kPanelBlue{0, 0, 255, 200};
inline constexpr Color kRed{255, 0, 0, 255};
inline constexpr Color kGrey{200, 200, 200, 255};
inline constexpr Color kPaleYellow{255, 255, 0, 200};
inline constexpr Color kYellow{255, 255, 0, 255};
inline constexpr Color kDarkRed{150, 0, 0, 255};
}  // namespace palette

inline constexpr Rect kScreenRect{0, 0, 640, 480};
