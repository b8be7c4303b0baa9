#pragma once
// The fixed vocabularies that every content row and every game rule shares.
// Each is a set of int32 constants inside its own namespace: record fields
// are plain int32 and the constants combine freely (kElement + kFire).
#include <cstdint>

namespace BaseParam {
inline constexpr int32_t kHp = 0;
inline constexpr int32_t kAtk = 1;
inline constexpr int32_t kMag = 2;
inline constexpr int32_t kHit = 3;
inline constexpr int32_t kCri = 4;
inline constexpr int32_t kAvo = 5;
inline constexpr int32_t kLuck = 6;
inline constexpr int32_t kSp = 7;
inline constexpr int32_t kCount = 8;
}

namespace WeaponKind {
// kNone marks accessories, enemy attacks and magic.
inline constexpr int32_t kFist = 0;
inline constexpr int32_t kKnife = 1;
inline constexpr int32_t kSword = 2;
inline constexpr int32_t kSpear = 3;
inline constexpr int32_t kAxe = 4;
inline constexpr int32_t kBow = 5;
inline constexpr int32_t kGun = 6;
inline constexpr int32_t kStaff = 7;
inline constexpr int32_t kNone = 8;
inline constexpr int32_t kCount = 9;
}

namespace Element {
inline constexpr int32_t kNeutral = 0;
inline constexpr int32_t kFire = 1;
inline constexpr int32_t kIce = 2;
inline constexpr int32_t kThunder = 3;
inline constexpr int32_t kWind = 4;
inline constexpr int32_t kLight = 5;
inline constexpr int32_t kDark = 6;
inline constexpr int32_t kCount = 7;
}

namespace StatusKind {
inline constexpr int32_t kAtk = 0;
inline constexpr int32_t kMag = 1;
inline constexpr int32_t kHit = 2;
inline constexpr int32_t kCri = 3;
inline constexpr int32_t kAvo = 4;
inline constexpr int32_t kLuck = 5;
inline constexpr int32_t kSp = 6;
inline constexpr int32_t kPhysicalGuard = 7;
inline constexpr int32_t kMagicGuard = 8;
inline constexpr int32_t kBreathGuard = 9;
inline constexpr int32_t kElement = 10;  // kElement + element, 10-16
inline constexpr int32_t kPoison = 17;
inline constexpr int32_t kSleep = 18;
inline constexpr int32_t kParalysis = 19;
inline constexpr int32_t kConfusion = 20;
inline constexpr int32_t kCowardice = 21;
inline constexpr int32_t kSeal = 22;
inline constexpr int32_t kDeath = 23;
inline constexpr int32_t kReflect = 24;
inline constexpr int32_t kRegen = 25;
inline constexpr int32_t kAutoRevive = 26;
inline constexpr int32_t kPrevention = 27;
inline constexpr int32_t kTaunt = 28;
inline constexpr int32_t kDoom = 29;
inline constexpr int32_t kCount = 30;
}

// What a status does to its bearer: raise or lower, ailment, granted state.
namespace StatusCategory {
inline constexpr int32_t kParameter = 0;
inline constexpr int32_t kAilment = 1;
inline constexpr int32_t kBeneficial = 2;
}

namespace SkillType {
inline constexpr int32_t kPhysical = 0;
inline constexpr int32_t kMagic = 1;
inline constexpr int32_t kBreath = 2;
inline constexpr int32_t kFixed = 3;
inline constexpr int32_t kDispel = 4;
inline constexpr int32_t kRecovery = 5;
inline constexpr int32_t kCure = 6;
inline constexpr int32_t kSupport = 7;
inline constexpr int32_t kRevive = 8;
inline constexpr int32_t kEscape = 9;
inline constexpr int32_t kCount = 10;
}

namespace TargetKind {
inline constexpr int32_t kOne = 0;
inline constexpr int32_t kRandom = 1;
inline constexpr int32_t kSelf = 2;
inline constexpr int32_t kAll = 3;
inline constexpr int32_t kEveryone = 4;
inline constexpr int32_t kOthers = 5;
inline constexpr int32_t kAllies = 6;
inline constexpr int32_t kAllButSelf = 7;
inline constexpr int32_t kIndiscriminate = 8;
inline constexpr int32_t kCount = 9;
}

// The pools that a recovery skill's subtype names.
namespace RecoveryPool {
inline constexpr int32_t kHp = 0;
inline constexpr int32_t kEp = 1;
inline constexpr int32_t kMp = 2;
inline constexpr int32_t kEpMp = 3;
inline constexpr int32_t kAll = 4;
}

// The base of fixed damage that a type-3 skill's subtype names.
namespace FixedDamageBase {
inline constexpr int32_t kPower = 0;
inline constexpr int32_t kCurrentHp = 1;
inline constexpr int32_t kMaxHp = 2;
}
