#pragma once
// One participant of a battle, with the presentation data that the battle
// screen reads (floating texts, hit effects, animation timers).
#include <array>
#include <cstdint>
#include <vector>

#include "content/ParamBlock.h"
#include "content/Records.h"
#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"

namespace UnitSide {
inline constexpr int32_t kParty = 0;
inline constexpr int32_t kEnemy = 1;
}  // namespace UnitSide

namespace UnitState {
inline constexpr int32_t kStanding = 0;
inline constexpr int32_t kFallen = 1;
inline constexpr int32_t kFled = 2;
}  // namespace UnitState

namespace StatusMark {
inline constexpr int32_t kNone = 0;
inline constexpr int32_t kAfflicted = 1;  // afflicted or lowered
inline constexpr int32_t kRaised = 2;     // granted or raised
}  // namespace StatusMark

inline constexpr int32_t kNoAction = -1;
inline constexpr int32_t kAutoTarget = -1;
inline constexpr int32_t kFullGauge = 10000;
inline constexpr int32_t kFloatingTextLife = 64;  // frames
inline constexpr int32_t kUnitAnimationFrames = 32;  // act animation and fall fade

// A number or word rising over a unit; `position` is relative to the unit.
struct FloatingText {
    Color color;
    WString text;
    Point position;
    int32_t age = 0;    // frames
    int32_t angle = 0;  // degrees, drawn at creation
    bool running = false;
};

// A skill's hit animation running on a unit.
struct HitEffect {
    int32_t effect = 0;  // EffectData row
    Point offset;
    int32_t frame = 0;
    int32_t length = 0;  // frames: four per picture cell
    bool running = false;
};

struct BattleUnit {
    int32_t hp = 0;
    int32_t maxHp = 0;
    ParamBlock params;  // the source's parameters and abilities (Hp is the maximum)
    int32_t side = UnitSide::kParty;
    int32_t state = UnitState::kStanding;
    int32_t row = 0;  // 0 front, 1 back
    int32_t sourceIndex = 0;  // character id or enemy id
    int32_t pendingAction = kNoAction;  // skill id (700 and above: carried items)
    int32_t lastPendingAction = kNoAction;
    int32_t chosenTarget = kAutoTarget;
    int32_t itemSlot = -1;
    int32_t ep = 0;
    int32_t mp = 0;
    int32_t gauge = 0;
    int32_t chain = 0;  // -1 after a counter, 1 during an extra turn
    bool awaitingCommand = false;
    std::array<int32_t, StatusKind::kCount> statusTime{};
    std::array<int32_t, StatusKind::kCount> statusMark{};
    std::vector<WeightedId> counters;  // (skill id, chance %)
    std::vector<int32_t> skills;       // party members' skill list
    WString name;
    Point position;  // top left, set by the layout
    Size size;
    std::vector<FloatingText> texts;
    std::vector<HitEffect> effects;
    int32_t actFrame = -1;   // -1 when the act animation is not running
    int32_t fallFrame = -1;  // -1 while standing

    int32_t Stat(int32_t baseParam) const { return params.Base(baseParam); }
    int32_t Ability(int32_t ability) const { return params.Ability(ability); }
    bool Standing() const { return state == UnitState::kStanding; }
    bool Afflicted(int32_t kind) const { return statusMark[kind] == StatusMark::kAfflicted; }
    bool Raised(int32_t kind) const { return statusMark[kind] == StatusMark::kRaised; }
    void ClearStatus(int32_t kind) {
        statusTime[kind] = 0;
        statusMark[kind] = StatusMark::kNone;
    }
};

// Base duration of each status kind, in ticks.
int32_t StatusBaseDuration(int32_t kind);
