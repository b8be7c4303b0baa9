#include "flow/battle/BattleScene.h"

#include <algorithm>

#include "engine/font/TextRenderer.h"
#include "flow/battle/BarMath.h"
#include "flow/battle/SceneBuilder.h"
#include "rules/CommandInput.h"

namespace {

constexpr int32_t kFrontRowLift = 10;  // party
constexpr int32_t kBackRowLift = 15;   // enemies
constexpr int32_t kScreenWidth = 640;
// The highest an enemy's name goes: room for the target arrow above it.
constexpr int32_t kEnemyNameTop = 25;

// Target mark: bright and dim in turn every 8 frames, the arrow bobbing.
constexpr int32_t kBlinkFrames = 8;
constexpr uint8_t kMarkDimAlpha = 90;
constexpr int32_t kArrowSize = 16;
constexpr int32_t kArrowLift = 17;  // above the centre of the name
constexpr int32_t kArrowBob = 3;
constexpr int32_t kCornerArm = 18;
constexpr int32_t kCornerThickness = 3;

bool ValidIndex(const BattleState& battle, int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(battle.units.size());
}

}  // namespace

Point UnitOrigin(const BattleUnit& unit) {
    Point origin = unit.position;
    if (unit.side == UnitSide::kParty && unit.row == 0) origin.y -= kFrontRowLift;
    // The tallest pictures reach almost to the top: lifting them less keeps
    // their heads on the screen.
    if (unit.side == UnitSide::kEnemy && unit.row == 1)
        origin.y -= std::clamp(origin.y, 0, kBackRowLift);
    return origin;
}

PartyPanelPens PartyPens(const BattleUnit& unit) {
    const Point origin = UnitOrigin(unit);
    PartyPanelPens pens;
    pens.name = Point{origin.x + 15, origin.y + 4};
    // Down 23 to hp, 23 to ep, 24 to mp, 23 to act, 23 to the status icons.
    constexpr int32_t kSteps[] = {23, 23, 24, 23, 23};
    Point pen = pens.name;
    for (size_t row = 0; row < pens.rows.size(); ++row) {
        pen.y += kSteps[row];
        pens.rows[row] = pen;
    }
    pens.status = Point{pen.x, pen.y + kSteps[4]};
    return pens;
}

Rect EnemyGaugeRect(const BattleUnit& unit) {
    const Point origin = UnitOrigin(unit);
    const Point at{origin.x + (unit.size.w - kEnemyBarWidth) / 2, origin.y + unit.size.h - 6};
    return RectAt(at, kEnemyBarWidth, kBarHeight);
}

Point EnemyNamePen(const BattleUnit& unit) {
    const Point origin = UnitOrigin(unit);
    // Names are at most one glyph cell per unit wide.
    const int32_t half = static_cast<int32_t>(unit.name.Length()) * kEnemyNameSize / 2;
    const int32_t x =
        std::clamp(origin.x + unit.size.w / 2, half, std::max(half, kScreenWidth - half));
    return Point{x, std::max(origin.y, kEnemyNameTop)};
}

Point EnemyStatusStart(const BattleUnit& unit) {
    const Rect bar = EnemyGaugeRect(unit);
    return Point{bar.left - 8, bar.bottom + 1};
}

SceneList ComposeBattleScene(const BattleState& battle, int32_t highlighted) {
    SceneList items;
    const int32_t count = static_cast<int32_t>(battle.units.size());
    for (int32_t i = 0; i < count; ++i) {
        const BattleUnit& unit = battle.units[size_t(i)];
        SceneBuilder out(items, i);
        if (unit.side == UnitSide::kParty) ComposePartyMember(out, unit, i == highlighted);
        else ComposeEnemy(out, unit, i == highlighted);
    }
    // Texts and effects go over every unit, not just their own.
    for (int32_t i = 0; i < count; ++i) {
        SceneBuilder out(items, i);
        ComposeFloatingTexts(out, battle.units[size_t(i)]);
        ComposeHitEffects(out, battle.units[size_t(i)]);
    }
    return items;
}

void DrawBattle(const BattleState& battle, int32_t highlighted) {
    DrawSceneItems(ComposeBattleScene(battle, highlighted));
    // Leave the text style as every screen draw expects to find it.
    TextRenderer& text = Graphics().Text();
    text.SetTextStyle(32, 32, 4, 0);
    text.SetTextAlign(kAlignCentre, kAlignCentre);
}

SceneList ComposeTargetMark(const BattleState& battle, int32_t target, int32_t frame) {
    SceneList items;
    if (!ValidIndex(battle, target)) return items;
    const BattleUnit& unit = battle.units[size_t(target)];
    // An enemy whose fade is over is no longer there to be marked.
    if (unit.side == UnitSide::kEnemy && EnemyAlpha(unit) < 0) return items;
    const bool bright = (frame / kBlinkFrames) % 2 == 0;
    const Color color = WithAlpha(scene_color::kYellow, bright ? 255 : kMarkDimAlpha);
    const Point origin = UnitOrigin(unit);
    SceneBuilder out(items, target);
    if (unit.side == UnitSide::kEnemy) {
        // Points down at the name.
        const Point name = EnemyNamePen(unit);
        const Point pen{name.x, name.y - kArrowLift - (bright ? 0 : kArrowBob)};
        out.Text(ScenePart::kTargetMark, 0, WString("▼"), pen, kArrowSize, kAlignCentre,
                 kAlignCentre, color);
        return items;
    }
    // L-shaped corners just outside the portrait, across then down.
    const Rect r = RectAt(origin, unit.size.w, unit.size.h);
    const int32_t a = kCornerArm, t = kCornerThickness;
    const Rect arms[] = {
        {r.left - t, r.top - t, r.left - t + a, r.top},
        {r.left - t, r.top, r.left, r.top - t + a},
        {r.right + t - a, r.top - t, r.right + t, r.top},
        {r.right, r.top, r.right + t, r.top - t + a},
        {r.right + t - a, r.bottom, r.right + t, r.bottom + t},
        {r.right, r.bottom + t - a, r.right + t, r.bottom},
        {r.left - t, r.bottom, r.left - t + a, r.bottom + t},
        {r.left - t, r.bottom + t - a, r.left, r.bottom},
    };
    for (const Rect& arm : arms) out.Panel(ScenePart::kTargetMark, 0, arm, color);
    return items;
}

void DrawTargetMark(const BattleState& battle, int32_t target, int32_t frame) {
    DrawSceneItems(ComposeTargetMark(battle, target, frame));
}

int32_t HighlightedUnit(const BattleState& battle) {
    if (battle.subState == BattleSubState::kTarget) {
        const int32_t n = static_cast<int32_t>(battle.candidates.size());
        if (battle.cursor < 0 || battle.cursor >= n) return -1;
        return battle.candidates[size_t(battle.cursor)];
    }
    return CommandingUnit(battle);
}
