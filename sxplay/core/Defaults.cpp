#include "sxplay/core/Player.h"
#include "sxplay/core/SynthOutput.h"

namespace sx {

PlayerDeps DefaultDeps() {
    return {NowMs, OpenDeviceOutput, [] { return std::make_unique<ThreadTimer>(); }};
}

}  // namespace sx
