// The act gauge and the status icons, drawn alike for both sides.
#include "content/ContentDatabase.h"
#include "flow/SharedPictures.h"
#include "flow/battle/BarMath.h"
#include "flow/battle/SceneBuilder.h"

namespace {

constexpr int32_t kActionNameSize = 14;
// Only the parameter and element kinds are raised or lowered.
constexpr int32_t kLastArrowKind = 16;

void FillBar(SceneBuilder& out, Rect bar, int32_t filled, Color color) {
    if (filled <= 0) return;
    out.Panel(ScenePart::kBarFill, BarRow::kAct,
              Rect{bar.left, bar.top, bar.left + filled, bar.bottom}, color);
}

}  // namespace

void ComposeGauge(SceneBuilder& out, const BattleUnit& unit, Rect bar) {
    out.Panel(ScenePart::kBarBack, BarRow::kAct, bar, scene_color::kBarBack);
    // Action names sit on the bar's right end, as the values do on theirs.
    const Point namePen{bar.right, bar.top + kBarHeight / 2};
    if (unit.pendingAction == kNoAction) {
        FillBar(out, bar, GaugeFill(bar.Width(), unit.gauge), scene_color::kBlue);
        if (unit.actFrame >= 0) {
            const int32_t t = unit.actFrame;
            out.Text(ScenePart::kActionName, 0, SkillById(unit.lastPendingAction).name,
                     Point{namePen.x, namePen.y - t}, kActionNameSize, kAlignEnd, kAlignCentre,
                     WithAlpha(scene_color::kWhite, FadeAlpha(t, 8)));
        }
        return;
    }
    FillBar(out, bar, bar.Width(), scene_color::kBlue);
    // A member still choosing holds a full gauge: there is no charge yet.
    if (!unit.awaitingCommand)
        FillBar(out, bar, GaugeFill(bar.Width(), unit.gauge), scene_color::kCyan);
    out.Text(ScenePart::kActionName, 0, SkillById(unit.pendingAction).name, namePen,
             kActionNameSize, kAlignEnd, kAlignCentre, scene_color::kWhite);
}

void ComposeStatusIcons(SceneBuilder& out, const BattleUnit& unit, Point start, int32_t iconSize,
                        int32_t span) {
    int32_t count = 0;
    for (int32_t mark : unit.statusMark) count += mark != StatusMark::kNone;
    if (count == 0) return;
    const int32_t advance = IconAdvance(iconSize, span, count);
    const SharedPictures& pictures = Pictures();
    Point at = start;
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind) {
        const int32_t mark = unit.statusMark[kind];
        if (mark == StatusMark::kNone) continue;
        const Rect rect = RectAt(at, iconSize, iconSize);
        out.Picture(ScenePart::kStatusIcon, kind, pictures.statusIcons[size_t(kind)], 0, rect,
                    scene_color::kWhite);
        if (kind <= kLastArrowKind && mark == StatusMark::kRaised)
            out.Picture(ScenePart::kStatusArrow, kind, pictures.up, 0, rect, scene_color::kWhite);
        else if (kind <= kLastArrowKind && mark == StatusMark::kAfflicted)
            out.Picture(ScenePart::kStatusArrow, kind, pictures.down, 0, rect, scene_color::kWhite);
        at.x += advance;
    }
}
