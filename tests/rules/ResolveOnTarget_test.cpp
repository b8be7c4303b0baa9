#include "rules/ResolveOnTarget.h"

#include "BattleFixture.h"
#include "rules/BattleMath.h"
#include "rules/PerformAction.h"

namespace {

using namespace AbilityParam;
using Side = int32_t;
constexpr Side kP = UnitSide::kParty;
constexpr Side kE = UnitSide::kEnemy;

class Resolve : public BattleTest {
protected:
    bool Apply(int32_t target, int32_t actor, int32_t skill) {
        return ResolveOnTarget(battle, target, actor, SkillById(SkillId(skill)), 0);
    }
    // Damage actions of types 0-2 draw: absorb, hit, critical, variance v and w.
    int32_t VariedDamage(int32_t target, int32_t actor, int32_t skill, int32_t d) {
        const int32_t before = U(target).hp;
        const auto draws = ReplayDraws([&] { Apply(target, actor, skill); },
                                       {{0, 99}, {0, 99}, {0, 99}, {90, 110}, {0, 1}});
        EXPECT_EQ(before - U(target).hp, Trunc(draws[3] / 100.0 * d) + draws[4]);
        return before - U(target).hp;
    }
};

TEST_F(Resolve, EachDamageTypeFollowsItsFormula) {
    // Physical: Atk 200 x 150% = 300; pursuit 30 at double speed: x1.6 = 480;
    // 20% resistance: 384; lowered guard x1.5: 576; raised Atk x1.5: 864.
    const int32_t a = AddUnit(kP, {1000, 200, 120, 0, 0, 0, 0, 80});
    const int32_t t = AddUnit(kE, {5000, 100, 60, 0, 0, 0, 0, 40});
    U(a).params.Ability(kPursuit) = 30;
    U(t).params.Ability(kPhysicalResist) = 20;
    U(t).statusMark[StatusKind::kPhysicalGuard] = StatusMark::kAfflicted;
    U(a).statusMark[StatusKind::kAtk] = StatusMark::kRaised;
    Skill(0, SkillType::kPhysical, 150);
    VariedDamage(t, a, 0, 864);

    // Magic: Mag 120 x 140% = 168 (pursuit applies to magic too: Sp 80 vs
    // 40 gives x1.6 = 268); fire attack +20%: 321; fire weakness -50%: 481.
    U(t).hp = 5000;
    U(t).params.Ability(kElementResist + Element::kFire) = -50;
    U(a).params.Ability(kElementAttackUp + Element::kFire) = 20;
    Skill(1, SkillType::kMagic, 140).element = Element::kFire;
    VariedDamage(t, a, 1, 481);

    // Breath: (Atk 100 + Mag 60) x 100 / 200 = 80 from the enemy's side,
    // no pursuit (slower); 50% breath resistance: 40; lowered breath guard: 60.
    U(a).params.Ability(kBreathResist) = 50;
    U(a).statusMark[StatusKind::kBreathGuard] = StatusMark::kAfflicted;
    Skill(2, SkillType::kBreath, 100);
    VariedDamage(a, t, 2, 60);
}

TEST_F(Resolve, FixedDamageHasNoVarianceAndThreeBases) {
    const int32_t a = AddUnit(kP, {1000, 999, 999, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {3000, 0, 0, 0, 0, 0, 0, 50});
    U(t).hp = 1000;
    Skill(0, SkillType::kFixed, 77);
    Skill(1, SkillType::kFixed, 10).subtype = FixedDamageBase::kCurrentHp;
    Skill(2, SkillType::kFixed, 5).subtype = FixedDamageBase::kMaxHp;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 923);
    Apply(t, a, 1);
    EXPECT_EQ(U(t).hp, 923 - 92);
    Apply(t, a, 2);
    EXPECT_EQ(U(t).hp, 831 - 150);
    EXPECT_EQ(LastText(U(t)), "150");
    // The struck enemy gains ep: 10 + its fighting spirit, per hit.
    EXPECT_EQ(U(t).ep, 30);
}

TEST_F(Resolve, AbsorbedElementHealsAndTurnsStatusChancesIntoSupport) {
    const int32_t a = AddUnit(kP, {1000, 0, 120, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {2000, 0, 0, 0, 0, 0, 0, 50});
    U(t).hp = 1000;
    U(t).params.Ability(kElementAbsorb + Element::kFire) = 100;
    U(t).statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    U(t).statusTime[StatusKind::kPoison] = 300;
    SkillData& fire = Skill(0, SkillType::kMagic, 140);
    fire.element = Element::kFire;
    fire.statusChance[StatusKind::kPoison] = 100;
    fire.statusChance[StatusKind::kAtk] = 100;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 1168);  // healed by the 168 it would have taken
    EXPECT_EQ(U(t).texts.back().color, Color(0, 255, 255, 255));
    EXPECT_EQ(U(t).statusMark[StatusKind::kPoison], StatusMark::kNone);
    EXPECT_EQ(U(t).statusMark[StatusKind::kAtk], StatusMark::kRaised);
}

TEST_F(Resolve, BackRowsHalveUnlessRangedOrAlone) {
    const int32_t a = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50}, 1);
    const int32_t front = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50}, 0);
    const int32_t t = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50}, 1);
    const int32_t guard = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50}, 0);
    Skill(0, SkillType::kFixed, 100).ranged = 0;
    Skill(1, SkillType::kFixed, 100);
    auto damage = [&](int32_t skill) {
        U(t).hp = 1000;
        Apply(t, a, skill);
        return 1000 - U(t).hp;
    };
    EXPECT_EQ(damage(0), 25);   // both sides stand in two rows, both in back
    EXPECT_EQ(damage(1), 100);  // ranged
    U(guard).state = UnitState::kFallen;
    EXPECT_EQ(damage(0), 50);   // the enemies now stand in one row only
    U(front).state = UnitState::kFallen;
    EXPECT_EQ(damage(0), 100);
}

TEST_F(Resolve, HitAndCriticalChancesFollowStatusShifts) {
    const int32_t a = AddUnit(kP, {1000, 0, 0, 50, 30, 0, 0, 50});
    const int32_t t = AddUnit(kE, {1000, 0, 0, 0, 0, 20, 10, 50});
    SkillData skill;
    skill.hitBonus = 30;
    skill.critBonus = 10;
    auto hit = [&](int32_t actorHit, int32_t targetAvo) {
        U(a).statusMark[StatusKind::kHit] = actorHit;
        U(t).statusMark[StatusKind::kAvo] = targetAvo;
        return HitChance(U(a), U(t), skill, 0, 0);
    };
    constexpr int32_t kLow = StatusMark::kAfflicted, kHigh = StatusMark::kRaised, kNo = 0;
    EXPECT_EQ(hit(kNo, kNo), 60);
    EXPECT_EQ(hit(kLow, kNo), 45);
    EXPECT_EQ(hit(kLow, kHigh), 30);
    EXPECT_EQ(hit(kNo, kLow), 80);
    EXPECT_EQ(hit(kHigh, kLow), 90);
    hit(kNo, kNo);
    U(t).params.Ability(kPrayer) = 40;
    EXPECT_EQ(HitChance(U(a), U(t), skill, 0, 0.5), 51);
    U(a).params.Ability(kFocus) = 50;
    EXPECT_EQ(HitChance(U(a), U(t), skill, 0.5, 0), 70);

    auto critical = [&](int32_t actorCri, int32_t targetLuck) {
        U(a).statusMark[StatusKind::kCri] = actorCri;
        U(t).statusMark[StatusKind::kLuck] = targetLuck;
        return CriticalChance(U(a), U(t), skill, 0, 0);
    };
    EXPECT_EQ(critical(kNo, kNo), 30);
    EXPECT_EQ(critical(kLow, kNo), 15);
    EXPECT_EQ(critical(kLow, kHigh), 7);
    EXPECT_EQ(critical(kHigh, kLow), 120);  // not capped after the raises
    critical(kNo, kNo);
    U(t).params.Ability(kInsight) = 50;
    EXPECT_EQ(CriticalChance(U(a), U(t), skill, 0, 0.5), 22);
    U(t).params.Ability(kInsight) = 0;
    U(a).params.Ability(kDesperation) = 100;
    EXPECT_EQ(CriticalChance(U(a), U(t), skill, 0.5, 0), 45);

    // A chance above 100 always succeeds: the critical doubles (必殺 0).
    critical(kHigh, kLow);
    U(a).params.Ability(kDesperation) = 0;
    SkillData& fixed = Skill(0, SkillType::kFixed, 100);
    fixed.critBonus = 10;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 800);
    EXPECT_EQ(U(t).texts.back().color, Color(255, 0, 0, 255));
}

TEST_F(Resolve, SleepingAndParalysedTargetsAreNeverMissed) {
    const int32_t a = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(t).counters = {{SkillId(1), 100}};
    Skill(0, SkillType::kFixed, 100).hitBonus = -1000;
    Skill(1, SkillType::kFixed, 1);

    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 1000);
    EXPECT_EQ(LastText(U(t)), "ミス");
    EXPECT_EQ(U(t).pendingAction, kNoAction);  // a miss schedules no counter

    U(t).statusMark[StatusKind::kSleep] = StatusMark::kAfflicted;
    U(t).statusTime[StatusKind::kSleep] = 100;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 800);  // double damage, and it wakes
    EXPECT_EQ(U(t).statusMark[StatusKind::kSleep], StatusMark::kNone);
    EXPECT_EQ(U(t).pendingAction, SkillId(1));
    EXPECT_EQ(U(t).chain, -1);

    U(t).statusMark[StatusKind::kParalysis] = StatusMark::kAfflicted;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 700);
    EXPECT_EQ(U(t).statusMark[StatusKind::kParalysis], StatusMark::kAfflicted);
}

TEST_F(Resolve, InflictionWeighsResistancesAndCancelsRaises) {
    const int32_t a = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    SkillData& skill = Skill(0, SkillType::kFixed, 10);
    skill.statusChance[StatusKind::kAtk] = 100;
    skill.statusChance[StatusKind::kPoison] = 100;
    U(t).statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    U(t).statusTime[StatusKind::kPoison] = 900;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).statusMark[StatusKind::kAtk], StatusMark::kAfflicted);
    EXPECT_EQ(U(t).statusTime[StatusKind::kAtk], 800);
    EXPECT_EQ(U(t).statusTime[StatusKind::kPoison], 900);  // a longer time is kept

    // Resistance 50 halves the strength; 弱体成功率UP makes the roll sure,
    // 弱体効果UP 50 lengthens it: g = 75, 600 ticks.
    U(t).ClearStatus(StatusKind::kAtk);
    U(t).params.Ability(kParamLowerResist) = 50;
    U(a).params.Ability(kLowerChanceUp) = 100;
    U(a).params.Ability(kLowerEffectUp) = 50;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).statusTime[StatusKind::kAtk], 600);

    // A raised status of the same kind is cancelled instead.
    U(t).statusMark[StatusKind::kAtk] = StatusMark::kRaised;
    U(t).statusTime[StatusKind::kAtk] = 500;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).statusMark[StatusKind::kAtk], StatusMark::kNone);
    EXPECT_EQ(U(t).statusTime[StatusKind::kAtk], 0);

    Skill(1, SkillType::kFixed, 10).statusChance[StatusKind::kDeath] = 100;
    U(t).params.Ability(kDeathResist) = 100;
    Apply(t, a, 1);
    EXPECT_TRUE(U(t).Standing());
    U(t).params.Ability(kDeathResist) = 0;
    EXPECT_FALSE(Apply(t, a, 1));  // the last enemy fell: the battle is decided
    EXPECT_EQ(U(t).state, UnitState::kFallen);
    EXPECT_EQ(LastText(U(t)), "即死");
}

TEST_F(Resolve, SupportHealingAndCuring) {
    const int32_t a = AddUnit(kP, {1000, 0, 100, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(a).params.Ability(kSupportUp) = 50;
    U(t).statusMark[StatusKind::kAtk] = StatusMark::kAfflicted;
    SkillData& support = Skill(0, SkillType::kSupport, 0);
    support.statusChance[StatusKind::kAtk] = 100;
    support.statusChance[StatusKind::kMag] = 100;
    support.statusChance[StatusKind::kReflect] = 100;
    Apply(t, a, 0);
    EXPECT_EQ(U(t).statusMark[StatusKind::kAtk], StatusMark::kNone);  // lowered: cured
    EXPECT_EQ(U(t).statusMark[StatusKind::kMag], StatusMark::kRaised);
    EXPECT_EQ(U(t).statusTime[StatusKind::kMag], 1200);
    EXPECT_EQ(U(t).statusTime[StatusKind::kReflect], 1800);

    // Heal subtype 0: Mag x whole hundreds of power, then 回復効果UP.
    U(a).params.Ability(kHealUp) = 10;
    U(t).hp = 100;
    Skill(1, SkillType::kRecovery, 250);
    Apply(t, a, 1);
    EXPECT_EQ(U(t).hp, 320);
    Skill(2, SkillType::kRecovery, 99);
    Apply(t, a, 2);
    EXPECT_EQ(U(t).hp, 320);
    // Subtype 4: ep and mp by the amount, hp by that percentage of maxHp.
    U(a).params.Ability(kHealUp) = 0;
    Skill(3, SkillType::kRecovery, 50).subtype = RecoveryPool::kAll;
    Apply(t, a, 3);
    EXPECT_EQ(U(t).ep, 50);
    EXPECT_EQ(U(t).mp, 50);
    EXPECT_EQ(U(t).hp, 820);
    EXPECT_EQ(LastText(U(t)), "500");

    // Cure: n random ailments, all of them when fewer; doom never counts.
    for (int32_t kind : {StatusKind::kPoison, StatusKind::kSleep, StatusKind::kDoom})
        U(t).statusMark[kind] = StatusMark::kAfflicted;
    Skill(4, SkillType::kCure, 0).subtype = 1;
    Apply(t, a, 4);
    EXPECT_EQ(U(t).Afflicted(StatusKind::kPoison) + U(t).Afflicted(StatusKind::kSleep), 1);
    Skill(5, SkillType::kCure, 0).subtype = 3;
    Apply(t, a, 5);
    EXPECT_FALSE(U(t).Afflicted(StatusKind::kPoison) || U(t).Afflicted(StatusKind::kSleep));
    EXPECT_TRUE(U(t).Afflicted(StatusKind::kDoom));
}

TEST_F(Resolve, ReflectionSendsTheActionToTheOtherSide) {
    const int32_t enemy = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t member = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(member).statusMark[StatusKind::kReflect] = StatusMark::kRaised;
    Skill(0, SkillType::kFixed, 100).reflectable = 1;
    Skill(1, SkillType::kFixed, 100);
    Apply(member, enemy, 0);
    EXPECT_EQ(U(member).hp, 1000);
    EXPECT_EQ(U(member).texts.front().text.ToUtf8(), "反射");
    EXPECT_EQ(U(enemy).hp, 900);  // the only unit on the other side: the caster
    Apply(member, enemy, 1);      // not reflectable
    EXPECT_EQ(U(member).hp, 900);
    // Nothing stands on the other side: the reflected action is lost.
    U(enemy).state = UnitState::kFallen;
    Apply(member, enemy, 0);
    EXPECT_EQ(U(member).hp, 900);
}

TEST_F(Resolve, TurnStartDoomPoisonAndCharisma) {
    const int32_t u = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t ally = AddUnit(kP, {120, 0, 0, 0, 0, 0, 0, 50});
    const int32_t low = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t enemy = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(u).hp = 150;
    U(u).params.Ability(kPoisonResist) = 50;
    U(u).statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
    ResolveOnTarget(battle, -1, u, SkillById(0), 1);
    EXPECT_EQ(U(u).hp, 1);  // 200 - 50 = 150 damage, but never below 1
    EXPECT_EQ(LastText(U(u)), "150");
    EXPECT_EQ(U(u).texts.back().color, Color(0, 0, 255, 255));

    U(u).ClearStatus(StatusKind::kPoison);
    U(u).hp = 500;
    U(u).params.Ability(kCharisma) = 10;
    U(ally).hp = 100;
    U(low).hp = 10;
    ResolveOnTarget(battle, -1, u, SkillById(0), 1);
    EXPECT_EQ(U(ally).hp, 120);
    EXPECT_EQ(U(low).hp, 60);
    EXPECT_EQ(U(enemy).hp, 1000);
    EXPECT_EQ(U(u).hp, 500);

    // Doom: a percent draw below 20 kills outright.
    U(u).params.Ability(kCharisma) = 0;
    U(u).statusMark[StatusKind::kDoom] = StatusMark::kAfflicted;
    int32_t deaths = 0;
    for (int32_t i = 0; i < 200 && U(u).Standing(); ++i) {
        const auto draw = ReplayDraws([&] { ResolveOnTarget(battle, -1, u, SkillById(0), 1); },
                                      {{0, 99}});
        EXPECT_EQ(U(u).Standing(), draw[0] >= 20);
        deaths += !U(u).Standing();
    }
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(U(u).hp, 0);
    EXPECT_EQ(U(u).statusMark[StatusKind::kDoom], StatusMark::kNone);
}

TEST_F(Resolve, ReviveOnlyRaisesTheFallen) {
    const int32_t a = AddUnit(kP, {1000, 0, 100, 0, 0, 0, 0, 50});
    const int32_t t = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    U(a).params.Ability(kHealUp) = 20;
    U(t).hp = 0;
    U(t).state = UnitState::kFallen;
    U(t).ep = 40;
    U(t).mp = 30;
    U(t).params.Ability(kQuickStart) = 50;
    U(t).params.Ability(kEpLineage) = 100;
    Skill(0, SkillType::kRevive, 150);
    Apply(t, a, 0);
    EXPECT_TRUE(U(t).Standing());
    EXPECT_EQ(U(t).hp, 180);
    EXPECT_EQ(U(t).ep, 40);  // kept, not the lineage's 100
    EXPECT_EQ(U(t).mp, 30);
    EXPECT_EQ(U(t).gauge, 5000);
    Apply(t, a, 0);
    EXPECT_EQ(U(t).hp, 180);
    EXPECT_EQ(LastText(U(t)), "ミス");
}

TEST_F(Resolve, EscapeFleesAndAFledPartyLoses) {
    const int32_t e = AddUnit(kE, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t p = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    const int32_t q = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 50});
    Skill(0, SkillType::kEscape, 0).targetKind = TargetKind::kSelf;
    PerformAction(battle, kAutoTarget, p, SkillId(0));
    EXPECT_EQ(U(p).state, UnitState::kFled);
    EXPECT_EQ(CheckBattleEnd(battle), BattleEnd::kUndecided);
    PerformAction(battle, kAutoTarget, q, SkillId(0));
    EXPECT_EQ(CheckBattleEnd(battle), BattleEnd::kDefeat);
    EXPECT_TRUE(U(e).Standing());
}

}  // namespace
