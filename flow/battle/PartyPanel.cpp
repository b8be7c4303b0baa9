// A party member: portrait, name, hp / ep / mp bars with their values, the
// act gauge and the status icons, stacked down from the portrait's corner.
#include "content/ContentDatabase.h"
#include "flow/battle/BarMath.h"
#include "flow/battle/BattleScene.h"
#include "flow/battle/SceneBuilder.h"

namespace {

constexpr int32_t kTextSize = 20;
constexpr uint8_t kPortraitAlpha = 200;
constexpr int32_t kStatusIconSize = 24;
constexpr int32_t kStatusSpan = 120;

WString Number(int32_t value) {
    WString text;
    text.Format("%d", value);
    return text;
}

// One labelled bar row: the label at the pen, the bar 30 pixels right and
// 8 down, the value ending where the bar ends.
void BarRowAt(SceneBuilder& out, Point pen, int32_t row, const char* label, int32_t filled,
              int32_t value, Color valueColor) {
    const Rect bar = RectAt(PartyBarOrigin(pen), kPartyBarWidth, kBarHeight);
    out.Text(ScenePart::kLabel, row, WString(label), pen, kTextSize, kAlignStart, kAlignStart,
             scene_color::kWhite);
    out.Panel(ScenePart::kBarBack, row, bar, scene_color::kBarBack);
    if (filled > 0)
        out.Panel(ScenePart::kBarFill, row, Rect{bar.left, bar.top, bar.left + filled, bar.bottom},
                  scene_color::kBlue);
    out.Text(ScenePart::kValue, row, Number(value), Point{bar.right, pen.y}, kTextSize, kAlignEnd,
             kAlignStart, valueColor);
}

}  // namespace

void ComposePartyMember(SceneBuilder& out, const BattleUnit& unit, bool highlighted) {
    const Point origin = UnitOrigin(unit);
    out.Picture(ScenePart::kPortrait, 0, CharacterById(unit.sourceIndex).face, 0,
                RectAt(origin, unit.size.w, unit.size.h),
                WithAlpha(scene_color::kWhite, kPortraitAlpha));

    const PartyPanelPens pens = PartyPens(unit);
    out.Text(ScenePart::kName, 0, unit.name, pens.name, kTextSize, kAlignStart, kAlignStart,
             PartyNameColor(unit, highlighted));
    BarRowAt(out, pens.rows[BarRow::kHp], BarRow::kHp, "HP",
             HpFill(kPartyBarWidth, unit.hp, unit.maxHp), unit.hp, HpValueColor(unit));
    BarRowAt(out, pens.rows[BarRow::kEp], BarRow::kEp, "EP", PercentFill(kPartyBarWidth, unit.ep),
             unit.ep, scene_color::kWhite);
    BarRowAt(out, pens.rows[BarRow::kMp], BarRow::kMp, "MP", PercentFill(kPartyBarWidth, unit.mp),
             unit.mp, scene_color::kWhite);

    const Point act = pens.rows[BarRow::kAct];
    out.Text(ScenePart::kLabel, BarRow::kAct, WString("Act"), Point{act.x - 10, act.y}, kTextSize,
             kAlignStart, kAlignStart, scene_color::kWhite);
    ComposeGauge(out, unit, RectAt(PartyBarOrigin(act), kPartyBarWidth, kBarHeight));
    ComposeStatusIcons(out, unit, pens.status, kStatusIconSize, kStatusSpan);
}
