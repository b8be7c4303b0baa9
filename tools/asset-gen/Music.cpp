#include "tools/asset-gen/Music.h"

#include "tools/asset-gen/Composer.h"
#include "tools/asset-gen/Dice.h"

namespace assetgen {

std::vector<uint8_t> ComposeTune(const MusicUse& use) {
    const MusicStyle style = StyleFor(use);
    Composition c = Compose(style, HashName(use.name), use.role == MusicRole::kDefeat);
    return EncodeMidi(uint16_t(kTicksPerQuarter), c.tracks);
}

}  // namespace assetgen
