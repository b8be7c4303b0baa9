#pragma once
// The parameter block at the head of characters, enemies, items and battle
// units: 8 base parameters followed by 100 ability values.
#include <array>
#include <cstdint>

#include "content/Abilities.h"
#include "content/Vocabulary.h"

struct ParamBlock {
    static constexpr int32_t kSize = BaseParam::kCount + AbilityParam::kCount;  // 108

    std::array<int32_t, kSize> values{};

    int32_t& Base(int32_t param) { return values[param]; }
    int32_t Base(int32_t param) const { return values[param]; }
    int32_t& Ability(int32_t ability) { return values[BaseParam::kCount + ability]; }
    int32_t Ability(int32_t ability) const { return values[BaseParam::kCount + ability]; }

    bool operator==(const ParamBlock&) const = default;
};
