// An enemy: its picture (fading out after its fall), its name when it is
// highlighted, the act gauge under its feet and its status icons.
#include "content/ContentDatabase.h"
#include "flow/battle/BarMath.h"
#include "flow/battle/BattleScene.h"
#include "flow/battle/SceneBuilder.h"

namespace {

constexpr int32_t kStatusIconSize = 20;

}  // namespace

void ComposeEnemy(SceneBuilder& out, const BattleUnit& unit, bool highlighted) {
    const int32_t alpha = EnemyAlpha(unit);
    if (alpha < 0) return;
    const Point origin = UnitOrigin(unit);
    out.Picture(ScenePart::kSprite, 0, EnemyById(unit.sourceIndex).sprite, 0,
                RectAt(origin, unit.size.w, unit.size.h),
                WithAlpha(scene_color::kWhite, static_cast<uint8_t>(alpha)));
    // A falling enemy has no turn left to show: only its picture fades.
    if (!unit.Standing()) return;
    if (highlighted)
        out.Text(ScenePart::kName, 0, unit.name, EnemyNamePen(unit), kEnemyNameSize, kAlignCentre,
                 kAlignCentre, scene_color::kYellow);
    const Rect bar = EnemyGaugeRect(unit);
    ComposeGauge(out, unit, bar);
    // Under the bar, not over it: a row of icons on the bar would hide the
    // charge and the action name.
    ComposeStatusIcons(out, unit, EnemyStatusStart(unit), kStatusIconSize, kEnemyBarWidth);
}
