#pragma once
// The game's screens as one state machine, advanced once per frame: a stack
// of modes says which screen is current, a few shared numbers which step of
// it, and 25 list widgets hold what the player picks from.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/random/StepCounter.h"
#include "engine/text/WString.h"
#include "flow/ListWidget.h"
#include "rules/Synthesis.h"

namespace GameMode {
inline constexpr int32_t kTitle = 0;
inline constexpr int32_t kTown = 1;
inline constexpr int32_t kAreaChoice = 2;
inline constexpr int32_t kExploration = 3;
inline constexpr int32_t kBattle = 4;
inline constexpr int32_t kCamp = 10;
}  // namespace GameMode

inline constexpr int32_t kWidgetCount = 25;
inline constexpr int32_t kCampMenuEntries = 7;

struct GameFlow {
    std::vector<int32_t> modeStack{GameMode::kTitle};  // never emptied
    int32_t menuState = 0;
    int32_t subState = 0;
    int32_t selection = 0;
    int32_t selection2 = 0;
    int32_t tab = 0;
    StepCounter screenCounter;
    std::array<uint8_t, kCampMenuEntries> menuEnabled{};
    std::array<ListWidget, kWidgetCount> widgets;
    // The town's synthesis in progress: the chosen recipe and its slots.
    SynthesisSelection synthesis;
    // A short line the save screen shows after a save that failed; empty
    // otherwise.
    WString saveMessage;
};

// The game's own record.
GameFlow& Flow();
ListWidget& Widget(int32_t number);

int32_t CurrentMode();
void PushMode(int32_t mode);
// The title at the bottom is never popped.
void PopMode();
void ReplaceTopMode(int32_t mode);

// 0 normal, 1 fast; chooses the configured frame period.
uint32_t& SpeedSetting();

// Caption "ハルモア2", with "( ダーボ )" while the speed setting is 1.
WString WindowTitle();
void UpdateWindowTitle();

// Fonts, shared pictures, widgets, every content table and the title music.
void InitGame();
// Gives back the pictures before the device goes away.
void ShutdownFlow();
void UpdateGame();
void DrawGame();
