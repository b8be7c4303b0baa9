#pragma once
// The 100 ability slots of a parameter block: indices, names and the
// catalogue of descriptions shown on the status screens.
#include <array>
#include <cstdint>

#include "engine/text/WString.h"

struct ParamBlock;

namespace AbilityParam {
inline constexpr int32_t kPhysicalResist = 0;
inline constexpr int32_t kMagicResist = 1;
inline constexpr int32_t kBreathResist = 2;
inline constexpr int32_t kElementResist = 3;  // + element, 3-9
inline constexpr int32_t kPoisonResist = 10;
inline constexpr int32_t kSleepResist = 11;
inline constexpr int32_t kParalysisResist = 12;
inline constexpr int32_t kConfusionResist = 13;
inline constexpr int32_t kCowardiceResist = 14;
inline constexpr int32_t kSealResist = 15;
inline constexpr int32_t kDeathResist = 16;
inline constexpr int32_t kParamLowerResist = 17;
inline constexpr int32_t kElementLowerResist = 18;
inline constexpr int32_t kLowerChanceUp = 19;
inline constexpr int32_t kLowerEffectUp = 20;
inline constexpr int32_t kDeathChanceUp = 21;
inline constexpr int32_t kSupportUp = 22;
inline constexpr int32_t kHealUp = 23;
inline constexpr int32_t kHealSpeedUp = 24;
inline constexpr int32_t kElementAttackUp = 25;  // + element, 25-31
inline constexpr int32_t kElementSpeedUp = 32;  // + element, 32-38
inline constexpr int32_t kPursuit = 39;
inline constexpr int32_t kCritical = 40;
inline constexpr int32_t kDesperation = 41;
inline constexpr int32_t kRage = 42;
inline constexpr int32_t kInsight = 43;
inline constexpr int32_t kPrayer = 44;
inline constexpr int32_t kFocus = 45;
inline constexpr int32_t kReflect = 46;
inline constexpr int32_t kEpSaver = 47;
inline constexpr int32_t kFightingSpirit = 48;
inline constexpr int32_t kManaCharge = 49;
inline constexpr int32_t kElementAbsorb = 50;  // + element, 50-56
inline constexpr int32_t kConfront = 57;
inline constexpr int32_t kCriticalEp = 58;
inline constexpr int32_t kCharisma = 59;
inline constexpr int32_t kGuts = 60;
inline constexpr int32_t kHolyDrain = 61;
inline constexpr int32_t kDoubleAction = 62;
inline constexpr int32_t kQuickStart = 63;
inline constexpr int32_t kEpLineage = 64;
inline constexpr int32_t kMpLineage = 65;
inline constexpr int32_t kAtkLineage = 66;  // 66-72: Atk, Mag, Hit, Cri, Avo, Luck, Sp in turn
inline constexpr int32_t kPhysicalResistLineage = 73;
inline constexpr int32_t kMagicResistLineage = 74;
inline constexpr int32_t kBreathResistLineage = 75;
inline constexpr int32_t kDecoy = 76;
inline constexpr int32_t kDefined = 77;  // rows 0-76 carry a name; the rest stay empty
inline constexpr int32_t kCount = 100;
}

struct AbilityInfo {
    WString name;
    WString description;
};

const std::array<AbilityInfo, AbilityParam::kCount>& AbilityCatalogue();

// Index of the ability whose name is `name`, or -1.
int32_t FindAbility(std::u16string_view name);

// How many of the 100 ability values are not zero.
int32_t CountAbilities(const ParamBlock& params);
