// The abilities "EP節約", "対峙", "会心", "根性" and the states "自動回復",
// "自動復活", "予防": each does what its description promises.
#include "BattleFixture.h"
#include "rules/Costs.h"
#include "rules/EnemyAi.h"
#include "rules/PerformAction.h"
#include "rules/ResolveOnTarget.h"

namespace {

using namespace AbilityParam;
constexpr int32_t kP = UnitSide::kParty;
constexpr int32_t kE = UnitSide::kEnemy;

class GrantedEffects : public BattleTest {
protected:
    void TurnStart(int32_t unit) { ResolveOnTarget(battle, unit, unit, SkillById(0), ResolvePhase::kTurnStart); }
    void Apply(int32_t target, int32_t actor, int32_t skill) {
        ResolveOnTarget(battle, target, actor, SkillById(SkillId(skill)), ResolvePhase::kApply);
    }
    void Grant(int32_t unit, int32_t kind) {
        U(unit).statusMark[kind] = StatusMark::kRaised;
        U(unit).statusTime[kind] = 800;
    }
};

TEST_F(GrantedEffects, EpSaverTakesItsShareOffTheEpCost) {
    const int32_t a = AddUnit(kP, {1000, 100, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {100000, 0, 0, 0, 0, 0, 0, 50});
    Skill(0, SkillType::kFixed, 1).epCost = 25;
    EXPECT_EQ(EpCostFor(U(a), SkillById(SkillId(0))), 25);
    U(a).params.Ability(kEpSaver) = 50;
    EXPECT_EQ(EpCostFor(U(a), SkillById(SkillId(0))), 13);  // 25 - trunc(12.5)
    U(a).params.Ability(kEpSaver) = 250;  // never a gain
    EXPECT_EQ(EpCostFor(U(a), SkillById(SkillId(0))), 0);

    U(a).params.Ability(kEpSaver) = 50;
    U(a).ep = 12;
    EXPECT_FALSE(CanPayCosts(U(a), SkillById(SkillId(0))));
    PerformAction(battle, t, a, SkillId(0));
    EXPECT_EQ(U(a).ep, 12);  // nothing paid, nothing done
    EXPECT_EQ(U(t).hp, 100000);
    U(a).ep = 13;
    PerformAction(battle, t, a, SkillId(0));
    EXPECT_EQ(U(a).ep, 10);  // 13 - 13, then 10 for acting
    EXPECT_EQ(U(t).hp, 99999);

    // An enemy chooses what the saving lets it pay.
    EnemyData& enemy = EnemyTable()[kTestEnemy];
    enemy.actions = {{SkillId(0), 10}};
    U(t).sourceIndex = kTestEnemy;
    U(t).ep = 13;
    EXPECT_EQ(ChooseEnemyAction(battle, t), kNoAction);
    U(t).params.Ability(kEpSaver) = 50;
    EXPECT_EQ(ChooseEnemyAction(battle, t), SkillId(0));
}

TEST_F(GrantedEffects, ConfrontGivesEpWhenTheTurnComesUnlessCowardly) {
    const int32_t u = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(u).params.Ability(kConfront) = 30;
    U(u).ep = 80;
    TurnStart(u);
    EXPECT_EQ(U(u).ep, 100);  // capped
    U(u).ep = 20;
    U(u).statusMark[StatusKind::kCowardice] = StatusMark::kAfflicted;
    TurnStart(u);
    EXPECT_EQ(U(u).ep, 20);
}

TEST_F(GrantedEffects, CriticalEpComesWithCriticalHitsOnly) {
    const int32_t a = AddUnit(kP, {1000, 100, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {100000, 0, 0, 0, 0, 0, 0, 50});
    U(a).params.Ability(kCriticalEp) = 25;
    Skill(0, SkillType::kPhysical, 100);  // never critical
    Skill(1, SkillType::kPhysical, 100).critBonus = 1000;
    Apply(t, a, 0);
    EXPECT_EQ(U(a).ep, 0);
    Apply(t, a, 1);
    EXPECT_EQ(U(a).ep, 25);
    Apply(t, a, 1);
    EXPECT_EQ(U(a).ep, 50);
}

TEST_F(GrantedEffects, GutsHoldsOnAtOneHpFromAboveOneOnly) {
    const int32_t a = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kP, {500, 0, 0, 0, 0, 0, 0, 50});
    const int32_t other = AddUnit(kP, {500, 0, 0, 0, 0, 0, 0, 50});
    U(t).params.Ability(kGuts) = 100;
    Skill(0, SkillType::kFixed, 9999);
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 1);
    EXPECT_TRUE(U(t).Standing());
    Apply(t, a, 0);  // at 1 hp the next blow ends it
    EXPECT_EQ(U(t).state, UnitState::kFallen);
    Apply(other, a, 0);  // without the ability
    EXPECT_EQ(U(other).state, UnitState::kFallen);

    // Instant death is not a blow: it takes a unit with guts too.
    const int32_t third = AddUnit(kP, {500, 0, 0, 0, 0, 0, 0, 50});
    U(third).params.Ability(kGuts) = 100;
    Skill(1, SkillType::kFixed, 0).statusChance[StatusKind::kDeath] = 100;
    Apply(third, a, 1);
    EXPECT_EQ(U(third).state, UnitState::kFallen);
}

TEST_F(GrantedEffects, RegenHealsATenthOfMaxHpWhenTheTurnComes) {
    const int32_t u = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(u).hp = 500;
    TurnStart(u);
    EXPECT_EQ(U(u).hp, 500);
    Grant(u, StatusKind::kRegen);
    TurnStart(u);
    EXPECT_EQ(U(u).hp, 600);
    EXPECT_EQ(LastText(U(u)), "100");
    // With poison: the poison first (a fifth), then the regeneration.
    U(u).statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    U(u).statusTime[StatusKind::kPoison] = 800;
    TurnStart(u);
    EXPECT_EQ(U(u).hp, 600 - 200 + 100);
    U(u).hp = 950;
    U(u).statusMark[StatusKind::kPoison] = StatusMark::kNone;
    TurnStart(u);
    EXPECT_EQ(U(u).hp, 1000);  // capped
}

TEST_F(GrantedEffects, AutoReviveRaisesAFallingUnitOnceWithAQuarterOfItsHp) {
    const int32_t a = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    Skill(0, SkillType::kFixed, 5000);
    Grant(t, StatusKind::kAutoRevive);
    Grant(t, StatusKind::kAtk);
    U(t).params.Ability(kAtkLineage + 1) = 100;  // Mag  // revival restores the lineage
    U(t).ep = 40;
    U(t).pendingAction = SkillId(0);
    Apply(t, a, 0);
    EXPECT_TRUE(U(t).Standing());
    EXPECT_EQ(U(t).hp, 250);
    EXPECT_EQ(U(t).statusMark[StatusKind::kAutoRevive], StatusMark::kNone);  // used up
    EXPECT_EQ(U(t).statusMark[StatusKind::kAtk], StatusMark::kNone);
    EXPECT_EQ(U(t).statusMark[StatusKind::kMag], StatusMark::kRaised);
    EXPECT_EQ(U(t).pendingAction, kNoAction);
    EXPECT_GE(U(t).ep, 40);  // kept, plus the ep of being struck
    EXPECT_EQ(battle.partyFalls, 0);
    Apply(t, a, 0);
    EXPECT_EQ(U(t).state, UnitState::kFallen);
    EXPECT_EQ(battle.partyFalls, 1);

    // Doom takes the unit at the start of a turn; the state brings it back.
    const int32_t doomed = AddUnit(kP, {400, 0, 0, 0, 0, 0, 0, 50});
    Grant(doomed, StatusKind::kAutoRevive);
    U(doomed).statusMark[StatusKind::kDoom] = StatusMark::kAfflicted;
    U(doomed).statusTime[StatusKind::kDoom] = 800;
    for (int32_t turn = 0; turn < 500 && U(doomed).Afflicted(StatusKind::kDoom); ++turn) TurnStart(doomed);
    EXPECT_FALSE(U(doomed).Afflicted(StatusKind::kDoom));
    EXPECT_TRUE(U(doomed).Standing());
    EXPECT_EQ(U(doomed).hp, 100);
}

TEST_F(GrantedEffects, PreventionKeepsAilmentsOffButNotLowerings) {
    const int32_t a = AddUnit(kE, {1000, 0, 100, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    SkillData& curse = Skill(0, SkillType::kMagic, 10);
    curse.statusChance[StatusKind::kPoison] = 100;
    curse.statusChance[StatusKind::kDoom] = 100;
    curse.statusChance[StatusKind::kAtk] = 100;
    Grant(t, StatusKind::kPrevention);
    Apply(t, a, 0);
    EXPECT_FALSE(U(t).Afflicted(StatusKind::kPoison));
    EXPECT_FALSE(U(t).Afflicted(StatusKind::kDoom));
    EXPECT_TRUE(U(t).Afflicted(StatusKind::kAtk));
    EXPECT_LT(U(t).hp, 1000);  // the spell still strikes
    U(t).ClearStatus(StatusKind::kPrevention);
    Apply(t, a, 0);
    EXPECT_TRUE(U(t).Afflicted(StatusKind::kPoison));
    EXPECT_TRUE(U(t).Afflicted(StatusKind::kDoom));
}

}  // namespace
