#pragma once
// The game's screens as one state machine, advanced once per frame.
#include <cstdint>

#include "engine/text/WString.h"

// 0 normal, 1 fast; chooses the configured frame period.
uint32_t& SpeedSetting();

// Caption "ハルモア2", with "( ダーボ )" while the speed setting is 1.
WString WindowTitle();
void UpdateWindowTitle();

// Fonts, shared pictures, every content table and the title music.
void InitGame();
// Gives back the pictures before the device goes away.
void ShutdownFlow();
void UpdateGame();
void DrawGame();
