#pragma once
// Reading and changing configuration fields by name, for the configuration
// tool: "fast-period=8", "key.decide=Z", "joy.cancel=2", "fullscreen=on".
#include <string>
#include <string_view>

#include "app/GameConfig.h"

// The names of logical buttons 0 to 10 as the tool spells them.
const char* ButtonName(size_t button);

// Applies one "name=value" assignment; on failure returns false and says why.
bool ApplySetting(GameConfig& config, std::string_view assignment, std::string& error);

// The whole record as "name=value" lines, in file order.
std::string DescribeConfig(const GameConfig& config);
