#pragma once
// Sound effects synthesised from their names: the menu sounds, the item
// jingle and one sound per kind of hit (blades, blows, arrows, guns, the
// elements, heals, breaths). Mono at kSoundRate, peaks just below full scale.
#include <string>
#include <vector>

namespace assetgen {

inline constexpr unsigned kSoundRate = 44100;

// `name` is the file name, with or without ".wav".
std::vector<float> SynthesizeSound(const std::string& name);

}  // namespace assetgen
