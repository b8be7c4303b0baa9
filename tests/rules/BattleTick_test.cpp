#include "rules/BattleTick.h"

#include "BattleFixture.h"
#include "rules/CommandInput.h"
#include "rules/EnemyAi.h"
#include "rules/PerformAction.h"

namespace {

using namespace AbilityParam;
constexpr int32_t kP = UnitSide::kParty;
constexpr int32_t kE = UnitSide::kEnemy;

class Tick : public BattleTest {
protected:
    // An enemy row whose only action is test skill `skill`.
    int32_t AddEnemy(int32_t n, int32_t skill, std::initializer_list<int32_t> base) {
        EnemyData& row = EnemyTable()[kTestEnemy + n];
        row.actions = {{SkillId(skill), 10}};
        const int32_t index = AddUnit(kE, base);
        U(index).sourceIndex = kTestEnemy + n;
        return index;
    }
    PartyState party;
};

TEST_F(Tick, GaugeSpeedFollowsStatusesAndThePendingAction) {
    const int32_t u = AddUnit(kP, {100, 0, 0, 0, 0, 0, 0, 100});
    EXPECT_EQ(GaugeSpeed(U(u)), 100);
    U(u).statusMark[StatusKind::kSp] = StatusMark::kAfflicted;
    EXPECT_EQ(GaugeSpeed(U(u)), 67);
    U(u).statusMark[StatusKind::kSp] = StatusMark::kRaised;
    EXPECT_EQ(GaugeSpeed(U(u)), 150);
    U(u).statusMark[StatusKind::kSp] = StatusMark::kNone;

    SkillData& fire = Skill(0, SkillType::kMagic, 100);
    fire.speed = 50;
    fire.element = Element::kFire;
    U(u).params.Ability(kElementSpeedUp + Element::kFire) = 20;
    U(u).pendingAction = SkillId(0);
    EXPECT_EQ(GaugeSpeed(U(u)), 60);
    Skill(1, SkillType::kRecovery, 100).speed = 80;
    U(u).params.Ability(kHealSpeedUp) = 50;
    U(u).pendingAction = SkillId(1);
    EXPECT_EQ(GaugeSpeed(U(u)), 120);

    // Asleep or paralysed, the gauge stands still; status times run down.
    AddUnit(kE, {100, 0, 0, 0, 0, 0, 0, 100});
    U(u).statusMark[StatusKind::kSleep] = StatusMark::kAfflicted;
    U(u).statusTime[StatusKind::kSleep] = 2;
    BattleTick(battle, party);
    EXPECT_EQ(U(u).gauge, 0);
    // The time runs out in the next tick's countdown, before the gauge grows.
    BattleTick(battle, party);
    EXPECT_FALSE(U(u).Afflicted(StatusKind::kSleep));
    EXPECT_EQ(U(u).gauge, 120);
}

TEST_F(Tick, FullGaugeGivesMpAndATurn) {
    const int32_t e = AddEnemy(0, 0, {1000, 0, 0, 0, 0, 0, 0, 10});
    const int32_t p = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 10});
    Skill(0, SkillType::kFixed, 10);
    U(e).params.Ability(kManaCharge) = 5;
    U(e).gauge = kFullGauge - 10;
    U(p).gauge = kFullGauge - 10;
    U(p).statusMark[StatusKind::kSeal] = StatusMark::kAfflicted;
    U(p).statusTime[StatusKind::kSeal] = 100;
    BattleTick(battle, party);
    EXPECT_EQ(U(e).mp, 15);
    EXPECT_EQ(U(e).pendingAction, SkillId(0));
    EXPECT_EQ(U(e).gauge, 0);
    EXPECT_EQ(U(p).mp, 0);  // sealed
    EXPECT_EQ(battle.subState, BattleSubState::kReady);
    EXPECT_EQ(battle.ready, std::vector<int32_t>{p});
    EXPECT_TRUE(U(p).awaitingCommand);
    EXPECT_EQ(U(p).gauge, kFullGauge);
    EXPECT_EQ(UpdateBattle(battle, party), 0);  // ticks wait for the command
}

TEST_F(Tick, CounterIsFollowedAtOnceByTheUnitsOwnTurn) {
    const int32_t e = AddEnemy(0, 1, {1000, 0, 0, 0, 0, 0, 0, 100});
    const int32_t p = AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 1});
    Skill(0, SkillType::kFixed, 10);  // the counter
    Skill(1, SkillType::kFixed, 1);   // the enemy's own action
    U(e).counters = {{SkillId(0), 100}};
    PerformAction(battle, e, p, SkillId(0));
    ASSERT_EQ(U(e).pendingAction, SkillId(0));
    ASSERT_EQ(U(e).chain, -1);
    for (int32_t i = 0; i < 200 && U(e).pendingAction == SkillId(0); ++i) BattleTick(battle, party);
    EXPECT_EQ(U(p).hp, 990);
    EXPECT_EQ(U(e).gauge, kFullGauge);
    EXPECT_EQ(U(e).chain, 0);
    BattleTick(battle, party);
    EXPECT_EQ(U(e).pendingAction, SkillId(1));  // its own turn began in the next tick
}

TEST_F(Tick, ExtraTurnNeverTwiceInARow) {
    const int32_t e = AddEnemy(0, 0, {100000, 0, 0, 0, 0, 0, 0, 500});
    AddUnit(kP, {100000, 0, 0, 0, 0, 0, 0, 1});
    Skill(0, SkillType::kFixed, 1);
    U(e).params.Ability(kDoubleAction) = 100;
    std::vector<int32_t> chains;
    int64_t lastAct = -100;
    std::vector<int64_t> gaps;
    for (int32_t i = 0; i < 400; ++i) {
        BattleTick(battle, party);
        if (U(e).actFrame != 0) continue;
        U(e).actFrame = -1;
        chains.push_back(U(e).chain);
        gaps.push_back(battle.elapsedTicks - lastAct);
        lastAct = battle.elapsedTicks;
    }
    ASSERT_GE(chains.size(), 6u);
    for (size_t i = 0; i < chains.size(); ++i) EXPECT_EQ(chains[i], i % 2 == 0 ? 1 : 0);
    // The extra action follows after one tick of turn start and a refill.
    for (size_t i = 1; i + 1 < gaps.size(); i += 2) EXPECT_LT(gaps[i], gaps[i + 1]);
}

TEST_F(Tick, ReinforcementsJoinOnTheirPeriod) {
    AddEnemy(0, 0, {1000, 0, 0, 0, 0, 0, 0, 1});
    AddUnit(kP, {1000, 0, 0, 0, 0, 0, 0, 1});
    EnemyTable()[kTestEnemy + 1].params.Base(BaseParam::kHp) = 77;
    battle.reinforcements = {{kTestEnemy + 1, 3, 0}};
    for (int32_t i = 0; i < 7; ++i) BattleTick(battle, party);
    ASSERT_EQ(battle.units.size(), 4u);
    EXPECT_EQ(battle.units[3].maxHp, 77);
    EXPECT_EQ(battle.units[3].side, kE);
}

TEST_F(Tick, DefeatAndVictoryEndTheTick) {
    const int32_t e = AddEnemy(0, 0, {1000, 0, 0, 0, 0, 0, 0, 10});
    const int32_t p = AddUnit(kP, {5, 0, 0, 0, 0, 0, 0, 10});
    Skill(0, SkillType::kFixed, 10);
    U(e).pendingAction = SkillId(0);
    U(e).gauge = kFullGauge;
    BattleTick(battle, party);
    EXPECT_EQ(U(p).state, UnitState::kFallen);
    EXPECT_EQ(battle.subState, BattleSubState::kLost);
    EXPECT_EQ(battle.musicRequest.ToUtf8(), kDefeatJingle);
    EXPECT_EQ(battle.partyFalls, 1);
}

}  // namespace
