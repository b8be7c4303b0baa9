#pragma once
// The battle screen: every unit at its laid-out place with its bars, status
// icons, floating texts and running hit effects. Only reads the battle;
// every timer it shows comes from the units.
#include <array>
#include <cstdint>

#include "flow/battle/SceneItem.h"
#include "rules/BattleState.h"

// Draws the scene; `highlighted` is the unit choosing a command or the
// target under the cursor, -1 for none.
void DrawBattle(const BattleState& battle, int32_t highlighted);
SceneList ComposeBattleScene(const BattleState& battle, int32_t highlighted);

// The current target during target choice, blinking: a yellow arrow above
// an enemy's name, yellow corners around a party member's portrait (the
// name itself is yellow through DrawBattle's highlight). `frame` is any
// counter that grows by one per frame.
void DrawTargetMark(const BattleState& battle, int32_t target, int32_t frame);
SceneList ComposeTargetMark(const BattleState& battle, int32_t target, int32_t frame);

// The unit DrawBattle should highlight for the battle's sub-state: the
// member choosing a command, or the candidate under the target cursor.
int32_t HighlightedUnit(const BattleState& battle);

// Where a unit's picture is drawn: its laid-out place, party members in the
// front row 10 pixels higher, enemies in the back row 15 pixels higher (but
// never above the screen's top).
Point UnitOrigin(const BattleUnit& unit);

// The text pens of a party member's panel: the name, the hp, ep, mp and act
// rows (labels at the pen), and the status icons.
struct PartyPanelPens {
    Point name;
    std::array<Point, 4> rows;
    Point status;
};
PartyPanelPens PartyPens(const BattleUnit& unit);
// A bar row's bar starts right of and below its pen.
inline Point PartyBarOrigin(Point pen) { return Point{pen.x + 30, pen.y + 8}; }
// An enemy's act gauge: centred under its picture, reaching below its feet.
Rect EnemyGaugeRect(const BattleUnit& unit);
// A highlighted enemy's name: centred on the top edge of its picture, but
// kept on the screen with room for the target arrow above it.
inline constexpr int32_t kEnemyNameSize = 16;
Point EnemyNamePen(const BattleUnit& unit);
// An enemy's first status icon: just under its gauge, 8 pixels further left.
Point EnemyStatusStart(const BattleUnit& unit);

// Where a floating text of this angle (degrees) and age (frames) has moved
// from its place: a short ballistic arc.
Point FloatingTextOffset(int32_t angle, int32_t age);
