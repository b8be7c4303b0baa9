#include "rules/BattleEffects.h"

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"

namespace {

constexpr int32_t kFramesPerCell = 4;

template <class Entry>
Entry& FreeEntry(std::vector<Entry>& list) {
    for (Entry& entry : list)
        if (!entry.running) return entry;
    return list.emplace_back();
}

}  // namespace

void AddFloatingText(BattleUnit& unit, Color color, const WString& text) {
    FloatingText& entry = FreeEntry(unit.texts);
    entry.color = color;
    entry.text = text;
    entry.position = unit.side == UnitSide::kParty ? Point{unit.size.w / 2, unit.size.h / 8}
                                                   : Point{unit.size.w / 2, unit.size.h - 60};
    entry.age = 0;
    entry.angle = RandomInt(60, 150);
    entry.running = true;
}

void AddFloatingNumber(BattleUnit& unit, Color color, int32_t value) {
    WString text;
    text.Format("%d", value);
    AddFloatingText(unit, color, text);
}

void StartHitEffect(BattleUnit& unit, int32_t effectId) {
    HitEffect& entry = FreeEntry(unit.effects);
    entry.effect = effectId;
    entry.offset.x = RandomInt(-10, 10);
    entry.offset.y = RandomInt(-10, 10);
    const EffectData& row = EffectById(effectId);
    entry.frame = 0;
    entry.length = kFramesPerCell * row.columns * row.rows;
    entry.running = true;
}

void FallUnit(BattleState& battle, BattleUnit& unit) {
    unit.hp = 0;
    if (unit.state == UnitState::kFallen) return;
    unit.state = UnitState::kFallen;
    unit.fallFrame = 0;
    if (unit.side == UnitSide::kParty) ++battle.partyFalls;
}

void StepBattleAnimations(BattleState& battle) {
    for (BattleUnit& unit : battle.units) {
        if (unit.actFrame >= 0 && ++unit.actFrame >= kUnitAnimationFrames) unit.actFrame = -1;
        if (unit.fallFrame >= 0 && unit.fallFrame < kUnitAnimationFrames) ++unit.fallFrame;
        for (FloatingText& text : unit.texts)
            if (text.running && ++text.age >= kFloatingTextLife) text.running = false;
        for (HitEffect& effect : unit.effects)
            if (effect.running && ++effect.frame >= effect.length) effect.running = false;
    }
    if (battle.fadeFrames > 0) --battle.fadeFrames;
}
