// What plays over the units: floating numbers on their arc and hit effects.
#include <algorithm>
#include <cmath>

#include "content/ContentDatabase.h"
#include "engine/random/Angles.h"
#include "flow/battle/BarMath.h"
#include "flow/battle/BattleScene.h"
#include "flow/battle/SceneBuilder.h"

namespace {

constexpr int32_t kTextSize = 20;
constexpr int32_t kFramesPerCell = 4;
constexpr int32_t kEffectSize = 96;
constexpr uint8_t kEffectAlpha = 200;

}  // namespace

Point FloatingTextOffset(int32_t angle, int32_t age) {
    const double t = age;
    const double x = CosDeg(angle) * t;
    const double y = -0.006 * (400 * SinDeg(angle) * t - 4.9 * t * t);
    // Rounded: the table's cos 60 is a hair under 0.5, and cutting would
    // bend the arc one way only.
    return Point{static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

void ComposeFloatingTexts(SceneBuilder& out, const BattleUnit& unit) {
    // Placed relative to the picture as it is drawn.
    const Point origin = UnitOrigin(unit);
    for (size_t i = 0; i < unit.texts.size(); ++i) {
        const FloatingText& text = unit.texts[i];
        if (!text.running) continue;
        const Point offset = FloatingTextOffset(text.angle, text.age);
        const Point pen{origin.x + text.position.x + offset.x,
                        origin.y + text.position.y + offset.y};
        out.Text(ScenePart::kFloatingText, static_cast<int32_t>(i), text.text, pen, kTextSize,
                 kAlignCentre, kAlignCentre, WithAlpha(text.color, FadeAlpha(text.age, 4)));
    }
}

void ComposeHitEffects(SceneBuilder& out, const BattleUnit& unit) {
    for (size_t i = 0; i < unit.effects.size(); ++i) {
        const HitEffect& effect = unit.effects[i];
        if (!effect.running) continue;
        const EffectData& row = EffectById(effect.effect);
        // Cells past the strip would sample below the picture.
        const int32_t lastCell = std::max(1, row.columns * row.rows) - 1;
        const int32_t cell = std::clamp(effect.frame / kFramesPerCell, 0, lastCell);
        const Point at{unit.position.x + unit.size.w / 2 - kEffectSize / 2 + effect.offset.x,
                       unit.position.y + unit.size.h - 106 + effect.offset.y};
        out.Picture(ScenePart::kHitEffect, static_cast<int32_t>(i), row.sprite, cell,
                    RectAt(at, kEffectSize, kEffectSize),
                    WithAlpha(scene_color::kWhite, kEffectAlpha), kBlendPremultiplied);
    }
}
