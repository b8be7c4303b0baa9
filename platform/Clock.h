#pragma once
#include <cstdint>

namespace platform {

// Milliseconds from a monotonic clock; wraps like a 32-bit tick count.
uint32_t NowMs();
void SleepMs(uint32_t ms);

}  // namespace platform
