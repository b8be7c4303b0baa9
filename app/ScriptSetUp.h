#pragma once
// Set-up lines of a game script: they shape the game state directly (gold,
// goods, level, holdings, checkpoints) so that a script can show a screen
// with something in it without playing for hours first.
#include <cstdint>
#include <string>
#include <vector>

// The number of arguments the command takes (min and max), or false when it
// is not a set-up command.
bool SetUpArity(const std::string& command, int32_t& least, int32_t& most);

// Applies the command; false with a reason for a value out of range.
bool ApplySetUp(const std::string& command, const std::vector<int32_t>& args,
                std::string& error);
