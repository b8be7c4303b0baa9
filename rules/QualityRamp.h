#pragma once
// The quality of found and stocked goods: it rises with how far the depth
// (or the shop's stock level) has come through the row's window.
#include <cstdint>

// t = (position - low) x 70 / (high - low), then a draw u from t to t + 30
// and quality = trunc(base + spread x u / 100). A window without width
// (high not above low) would divide by zero: t is 0 there.
int32_t RampQuality(int32_t base, int32_t spread, int32_t position, int32_t low, int32_t high);
