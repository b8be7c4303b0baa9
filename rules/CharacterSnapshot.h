#pragma once
// The parts of the character rows that levels and equipment change, taken
// and put back whole: simulators and tests play on the real rows and leave
// them as they found them.
#include <array>
#include <cstdint>

#include "content/ContentDatabase.h"

struct CharacterSnapshot {
    ParamBlock params;
    WString title;
    std::array<int32_t, CharacterData::kSkillSlots> skills{};
    std::array<PackedItem, CharacterData::kEquipmentSlots> equipment{};
    std::array<int32_t, BaseParam::kCount> growthRemainder{};
    int32_t ranged = 0;
};

using CharacterSnapshots = std::array<CharacterSnapshot, kCharacterCapacity>;

CharacterSnapshots TakeCharacterSnapshot();
void RestoreCharacters(const CharacterSnapshots& snapshot);
