#include "rules/BattleMath.h"

#include "engine/random/Random.h"

bool Roll(int32_t p, int32_t n) { return p > RandomInt(0, n - 1); }
