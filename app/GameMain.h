#pragma once
#include <SDL.h>

#include <cstdint>

#include "app/Options.h"

// Reads the configuration, opens the window and the device, sets up input,
// sound and the game, then runs the main loop until the window closes.
// Returns 0 on a normal quit, -1 when the window or the device fails.
int GameMain(const PositionalArgs& args, const OptionValues& options);

// The pieces of GameMain, so tests can start the game and run frames
// headless without the loop waiting for window focus.
bool StartGame();
// One frame: input, update, draw, tweens, present. Returns the ms to sleep.
uint32_t RunFrame(uint32_t (*now)());
// Spends a frame's pause loading the pictures still queued, starting one
// only while enough of the pause is left. Returns the ms still to sleep.
uint32_t UseIdleTime(uint32_t pause, uint32_t (*now)());
// Handles one event; true when it is the quit message.
bool HandleEvent(const SDL_Event& event);
void ShutdownGame();
