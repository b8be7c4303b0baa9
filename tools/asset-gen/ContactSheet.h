#pragma once
// One picture showing every background, every face, every status icon and
// a sample of enemies and effect frames, for reviewing the pack at a glance.
#include <vector>

#include "tools/asset-gen/AssetPack.h"
#include "tools/asset-gen/Canvas.h"

namespace assetgen {

Canvas BuildContactSheet(const std::vector<AssetJob>& jobs, int enemySamples = 32, int effectSamples = 12);

}  // namespace assetgen
