#pragma once
// Small pieces that several panels share.
#include <cstdint>

#include "engine/text/WString.h"
#include "rules/PartyState.h"

// "Next": experience still needed for the next level, or "-" at the top.
WString NextLevelText(const PartyState& party);

// "%d" or "%d%%" values as the panels print them.
WString Number(const char* format, int32_t value);
