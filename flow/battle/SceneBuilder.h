#pragma once
// Appends the draw steps of one unit to a scene list; shared by the files
// that compose the party panels, the enemies and what floats over both.
#include "flow/battle/SceneItem.h"
#include "rules/BattleUnit.h"

class SceneBuilder {
public:
    SceneBuilder(SceneList& items, int32_t unit) : items_(items), unit_(unit) {}

    void Picture(ScenePart part, int32_t tag, const Texture& picture, int32_t cell, Rect rect,
                 Color color, int32_t blend = kBlendNormal);
    void Panel(ScenePart part, int32_t tag, Rect rect, Color color);
    void Text(ScenePart part, int32_t tag, const WString& text, Point pen, int32_t size,
              int32_t horizontal, int32_t vertical, Color color);

private:
    SceneList& items_;
    int32_t unit_;
};

inline Rect RectAt(Point topLeft, int32_t w, int32_t h) {
    return Rect{topLeft.x, topLeft.y, topLeft.x + w, topLeft.y + h};
}
inline Color WithAlpha(Color color, uint8_t alpha) {
    color.a = alpha;
    return color;
}

// The act gauge in `bar`: the gauge, or the pending action with its charge,
// and the name of the action just taken rising and fading.
void ComposeGauge(SceneBuilder& out, const BattleUnit& unit, Rect bar);
// One icon per marked status in kind order from `start`, raised and lowered
// parameters with their arrow on top, packed to fit `span` pixels.
void ComposeStatusIcons(SceneBuilder& out, const BattleUnit& unit, Point start, int32_t iconSize,
                        int32_t span);

void ComposePartyMember(SceneBuilder& out, const BattleUnit& unit, bool highlighted);
void ComposeEnemy(SceneBuilder& out, const BattleUnit& unit, bool highlighted);
void ComposeFloatingTexts(SceneBuilder& out, const BattleUnit& unit);
void ComposeHitEffects(SceneBuilder& out, const BattleUnit& unit);
