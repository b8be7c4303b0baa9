#pragma once
// The configuration file is written by a tool, but a damaged or hand-made
// one can hold any bytes. Values that would stall or hide the game (frame
// periods of minutes, a window of no size) are put back to the built-in
// ones; everything else stays as the file says.
#include <string>
#include <vector>

#include "app/GameConfig.h"

inline constexpr uint32_t kLongestFramePeriod = 1000;  // ms
inline constexpr uint32_t kSmallestWindowSide = 160;
inline constexpr uint32_t kLargestWindowSide = 16384;

// Mends `config` in place; one line per mended field goes to `notes`.
// True when nothing had to change.
bool KeepConfigInRange(GameConfig& config, std::vector<std::string>& notes);
