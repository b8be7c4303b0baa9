// Every "draw again until it fits" loop of the battle ends, also when
// nothing fits.
#include "BattleFixture.h"
#include "rules/EnemyAi.h"
#include "rules/Encounters.h"
#include "rules/Targeting.h"

namespace {

constexpr int32_t kP = UnitSide::kParty;
constexpr int32_t kE = UnitSide::kEnemy;

TEST_F(BattleTest, RandomTargetsAreWeightedAndGiveUpWhenNothingFits) {
    const int32_t front = AddUnit(kP, {10});
    const int32_t back = AddUnit(kP, {10}, 1);
    auto share = [&](int32_t wanted) {
        int32_t hits = 0;
        for (int32_t i = 0; i < 3000; ++i)
            hits += PickRandomTarget(battle, [](const BattleUnit&) { return true; }) == wanted;
        return hits / 3000.0;
    };
    EXPECT_NEAR(share(front), 2.0 / 3, 0.04);  // weight 10 against 5
    U(back).statusMark[StatusKind::kTaunt] = StatusMark::kRaised;
    EXPECT_NEAR(share(back), 40.0 / 50, 0.04);  // taunting: 5 x 8 against 10

    const UnitFilter none = [](const BattleUnit&) { return false; };
    EXPECT_EQ(PickRandomTarget(battle, none), -1);
    EXPECT_EQ(PickUniformUnit(battle, none), -1);
}

TEST_F(BattleTest, EnemyActionsThatCannotBeTakenAreDrawnAgainThenScanned) {
    const int32_t e = AddUnit(kE, {10});
    const int32_t other = AddUnit(kE, {10});
    AddUnit(kP, {10});
    U(e).sourceIndex = kTestEnemy;
    EnemyData& row = EnemyTable()[kTestEnemy];
    Skill(0, SkillType::kMagic, 100).mpCost = 50;
    Skill(1, SkillType::kRevive, 100);
    Skill(2, SkillType::kFixed, 1);

    row.actions = {{SkillId(0), 10}, {SkillId(1), 10}};
    EXPECT_EQ(ChooseEnemyAction(battle, e), kNoAction);  // nothing payable, nobody fallen
    row.actions.clear();
    EXPECT_EQ(ChooseEnemyAction(battle, e), kNoAction);

    row.actions = {{SkillId(0), 100000}, {SkillId(1), 100000}, {SkillId(2), 1}};
    EXPECT_EQ(ChooseEnemyAction(battle, e), SkillId(2));

    U(other).state = UnitState::kFallen;
    row.actions = {{SkillId(0), 10}, {SkillId(1), 10}};
    EXPECT_EQ(ChooseEnemyAction(battle, e), SkillId(1));
    EXPECT_EQ(U(e).chosenTarget, other);
}

TEST_F(BattleTest, EncounterDrawEndsOnAnyAreaRows) {
    AreaData saved = std::move(AreaTable()[49]);
    AreaData& area = AreaTable()[49];
    area = AreaData{};
    area.budgetBase = 5;
    area.budgetStep = 3;
    EXPECT_TRUE(RandomEncounter(49, 0).enemies.empty());  // no rows at all

    area.encounters = {{kTestEnemy, 3, 10, 19, 2000}};
    EXPECT_TRUE(RandomEncounter(49, 0).enemies.empty());  // no row for this depth

    // Rows that fit but never pass their chance: taken in order instead.
    area.encounters = {{kTestEnemy, 4, 0, 9, 0}, {kTestEnemy + 1, 2, 0, 9, 0}};
    const Encounter fallback = RandomEncounter(49, 0);
    EXPECT_EQ(fallback.enemies, (std::vector<int32_t>{kTestEnemy, kTestEnemy + 1}));

    // A row without cost still uses the budget up: 5 + 2 x 3 = 11 enemies.
    area.encounters = {{kTestEnemy, 0, 0, 9, 10000}};
    EXPECT_EQ(RandomEncounter(49, 2).enemies.size(), 11u);
    AreaTable()[49] = std::move(saved);
}

}  // namespace
