#pragma once
// The battle screen's MenuState: the part of the battle the player is in.
// The automatic player reads it as a person reads the screen.
#include <cstdint>

namespace BattleMenu {
constexpr int32_t kRunning = 0;
constexpr int32_t kNextMember = 1;
constexpr int32_t kCommand = 2;
constexpr int32_t kTarget = 3;
constexpr int32_t kDefeat = 4;
constexpr int32_t kVictory = 5;
}  // namespace BattleMenu
