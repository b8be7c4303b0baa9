#include "rules/BattleState.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/Equipment.h"
#include "rules/Layout.h"

namespace {

// Lineage abilities raise status kinds 0-9 in this order at start and on revival.
constexpr int32_t kLineageStatuses = 10;

BattleUnit EnemyUnit(int32_t enemyId, int32_t row) {
    const EnemyData& enemy = EnemyById(enemyId);
    BattleUnit unit;
    unit.params = enemy.params;
    unit.maxHp = enemy.params.Base(BaseParam::kHp);
    unit.hp = unit.maxHp;
    unit.side = UnitSide::kEnemy;
    unit.row = row == 0 ? 0 : 1;
    unit.sourceIndex = enemyId;
    unit.counters = enemy.counters;
    unit.name = enemy.name;
    return unit;
}

BattleUnit PartyUnit(int32_t character) {
    const CharacterData& row = CharacterById(character);
    BattleParams computed = ComputeBattleParams(character);
    BattleUnit unit;
    unit.params = computed.params;
    unit.maxHp = computed.params.Base(BaseParam::kHp);
    unit.hp = unit.maxHp;
    unit.side = UnitSide::kParty;
    unit.row = row.ranged == 0 ? 0 : 1;
    unit.sourceIndex = character;
    unit.skills = std::move(computed.skills);
    unit.name = row.name;
    return unit;
}

}  // namespace

BattleState& GameBattle() {
    static BattleState battle;
    return battle;
}

void InitBattleStatus(BattleUnit& unit, bool keepEpMp) {
    using namespace AbilityParam;
    unit.statusTime.fill(0);
    unit.statusMark.fill(StatusMark::kNone);
    unit.gauge = std::clamp(unit.Ability(kQuickStart) * 100, 0, kFullGauge);
    if (!keepEpMp) {
        unit.ep = std::clamp(unit.Ability(kEpLineage), 0, 100);
        unit.mp = std::clamp(unit.Ability(kMpLineage), 0, 100);
    }
    unit.chain = 0;
    unit.pendingAction = kNoAction;
    unit.awaitingCommand = false;
    for (int32_t k = 0; k < kLineageStatuses; ++k) {
        const int32_t value = unit.Ability(kAtkLineage + k);
        if (value <= 0) continue;
        unit.statusMark[k] = StatusMark::kRaised;
        unit.statusTime[k] = Trunc(StatusBaseDuration(k) * value / 100.0);
    }
    const int32_t decoy = unit.Ability(kDecoy);
    if (decoy > 0) {
        unit.statusMark[StatusKind::kTaunt] = StatusMark::kRaised;
        unit.statusTime[StatusKind::kTaunt] = Trunc(StatusBaseDuration(StatusKind::kTaunt) * decoy / 100.0);
    }
}

void ClearBattleStatus(BattleUnit& unit) {
    unit.gauge = 0;
    unit.chain = 0;
    unit.pendingAction = kNoAction;
    unit.awaitingCommand = false;
    unit.statusTime.fill(0);
    unit.statusMark.fill(StatusMark::kNone);
}

void StartBattle(BattleState& battle, const PartyState& party, const Encounter& encounter) {
    const auto itemUses = battle.itemUses;
    battle = BattleState{};
    battle.itemUses = itemUses;
    battle.area = encounter.area;
    battle.quest = encounter.quest;
    for (const WeightedId& entry : encounter.reinforcements)
        battle.reinforcements.push_back(Reinforcement{entry.id, entry.weight, 0});

    for (size_t i = 0; i < encounter.enemies.size(); ++i) {
        const int32_t row = i < encounter.rows.size() ? encounter.rows[i] : 0;
        battle.units.push_back(EnemyUnit(encounter.enemies[i], row));
    }
    for (int32_t character : party.members) battle.units.push_back(PartyUnit(character));
    for (BattleUnit& unit : battle.units) InitBattleStatus(unit, false);

    LayoutUnits(battle);
    battle.musicRequest = encounter.music.Empty() ? AreaById(encounter.area).battleMusic : encounter.music;
}

void AddEnemyUnit(BattleState& battle, int32_t enemyId) {
    const int32_t row = RandomInt(0, 99) > EnemyById(enemyId).frontChance ? 1 : 0;
    BattleUnit& unit = battle.units.emplace_back(EnemyUnit(enemyId, row));
    InitBattleStatus(unit, false);
    LayoutUnits(battle);
}

int32_t CheckBattleEnd(const BattleState& battle) {
    bool party = false, enemies = false;
    for (const BattleUnit& unit : battle.units) {
        if (!unit.Standing()) continue;
        (unit.side == UnitSide::kParty ? party : enemies) = true;
    }
    if (!party) return BattleEnd::kDefeat;
    if (!enemies) return BattleEnd::kVictory;
    return BattleEnd::kUndecided;
}
