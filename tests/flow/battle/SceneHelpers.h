#pragma once
// Hand-made units for the scene tests and a lookup into a composed scene.
#include <vector>

#include "flow/battle/SceneItem.h"
#include "rules/BattleState.h"

namespace scenetest {

// Ids the content leaves empty: no face, no picture, no name.
inline constexpr int32_t kBlankCharacter = 40;
inline constexpr int32_t kBlankEnemy = 390;

inline BattleUnit PartyUnit(Point position, int32_t row = 1) {
    BattleUnit unit;
    unit.side = UnitSide::kParty;
    unit.sourceIndex = kBlankCharacter;
    unit.name = WString("テスト");
    unit.maxHp = unit.hp = 1000;
    unit.row = row;
    unit.position = position;
    unit.size = Size{150, 150};
    return unit;
}

inline BattleUnit EnemyUnit(Point position, Size size, int32_t row = 0) {
    BattleUnit unit;
    unit.side = UnitSide::kEnemy;
    unit.sourceIndex = kBlankEnemy;
    unit.name = WString("テストの敵");
    unit.maxHp = unit.hp = 500;
    unit.row = row;
    unit.position = position;
    unit.size = size;
    return unit;
}

inline std::vector<const SceneItem*> Find(const SceneList& items, int32_t unit, ScenePart part,
                                          int32_t tag = -1) {
    std::vector<const SceneItem*> found;
    for (const SceneItem& item : items)
        if (item.unit == unit && item.part == part && (tag < 0 || item.tag == tag))
            found.push_back(&item);
    return found;
}

}  // namespace scenetest
