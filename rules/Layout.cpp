#include "rules/Layout.h"

#include "content/ContentDatabase.h"
#include "rules/BattleMath.h"

namespace {

constexpr int32_t kScreenWidth = 640;

struct SideLine {
    int32_t side;
    int32_t margin;
    int32_t bottom;
};

constexpr SideLine kLines[] = {{UnitSide::kParty, 0, 470}, {UnitSide::kEnemy, 20, 285}};

bool TakesPlace(const BattleUnit& unit, int32_t side) {
    if (unit.side != side) return false;
    return side == UnitSide::kParty || unit.state != UnitState::kFallen;
}

}  // namespace

Size UnitDrawSize(const BattleUnit& unit) {
    if (unit.side == UnitSide::kParty) return Size{kPortraitSize, kPortraitSize};
    const Size recorded = EnemyById(unit.sourceIndex).sprite.ImageSize();
    return Size{Trunc(recorded.w * kEnemyDrawScale), Trunc(recorded.h * kEnemyDrawScale)};
}

void LayoutUnits(BattleState& battle) {
    for (const SideLine& line : kLines) {
        int32_t count = 0;
        int32_t totalWidth = 0;
        for (BattleUnit& unit : battle.units) {
            if (!TakesPlace(unit, line.side)) continue;
            unit.size = UnitDrawSize(unit);
            totalWidth += unit.size.w;
            ++count;
        }
        const int32_t gap = (kScreenWidth - 2 * line.margin - totalWidth) / (count + 1);
        int32_t x = line.margin + gap;
        for (BattleUnit& unit : battle.units) {
            if (!TakesPlace(unit, line.side)) continue;
            unit.position = Point{x, line.bottom - unit.size.h};
            x += unit.size.w + gap;
        }
    }
}
