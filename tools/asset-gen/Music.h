#pragma once
// The game's tunes as Standard MIDI Files (format 1): an intro, then a loop
// marker (control change 111) and a body that the player repeats forever.
#include <cstdint>
#include <vector>

#include "tools/asset-gen/AssetNames.h"

namespace assetgen {

std::vector<uint8_t> ComposeTune(const MusicUse& use);

}  // namespace assetgen
