#pragma once
// Names for the screen the game shows now (mode, and the step inside it),
// so a long random run can count where it has been.
#include <string>
#include <vector>

// "town/shop", "battle/victory", "camp/bag", ...
std::string CurrentScreenName();

// The screens a full run must reach: every mode, every town facility and
// synthesis step, the camp's screens, battles with their victories and
// defeats.
const std::vector<std::string>& RequiredScreens();
// Only the six modes (a short run cannot be expected to lose a battle).
const std::vector<std::string>& RequiredModes();

// The mode part of a screen name ("town/shop" -> "town").
std::string ModeOf(const std::string& screen);
