#pragma once
#include <functional>
#include <vector>

#include "app/Options.h"
#include "engine/text/WString.h"

using GameEntry = std::function<int(const PositionalArgs&, const OptionValues&)>;

// Prepares the process-wide services, handles the command line, opens the
// log and runs the game. Returns the game's exit code, or -1 on an option error.
int RunApplication(const std::vector<WString>& args);
int RunApplication(const std::vector<WString>& args, const GameEntry& game);
