#include "rules/Simulation.h"

#include "BattleFixture.h"
#include "rules/BattleTick.h"

namespace {

class SimulationTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        Skill(0, SkillType::kFixed, 0);    // harmless
        Skill(1, SkillType::kFixed, 100);  // deadly
        Skill(2, SkillType::kRecovery, 300).mpCost = 0;
        EnemyData& enemy = EnemyTable()[kTestEnemy];
        enemy.params.Base(BaseParam::kHp) = 150;
        enemy.params.Base(BaseParam::kSp) = 60;
        enemy.actions = {{SkillId(0), 10}};
        enemy.gold = 9;
        CharacterData& hero = CharacterTable()[kTestCharacter];
        hero.name = WString("テスト");
        hero.params.Base(BaseParam::kHp) = 500;
        hero.params.Base(BaseParam::kMag) = 100;
        hero.params.Base(BaseParam::kSp) = 50;
        hero.skills = {SkillId(0), SkillId(1), SkillId(2)};
        party.hired[kTestCharacter] = 1;
        party.members = {kTestCharacter};
        encounter.enemies = {kTestEnemy};
        encounter.rows = {0};
    }
    PartyState party;
    Encounter encounter;
};

TEST_F(SimulationTest, PolicyPicksTheStrongestAttackOrAHealWhenHurt) {
    StartBattle(battle, party, encounter);
    EXPECT_EQ(ChooseByPolicy(battle, party, 1).command, SkillId(1));
    EXPECT_EQ(ChooseByPolicy(battle, party, 1).target, 0);
    battle.units[1].hp = 200;
    const PolicyChoice heal = ChooseByPolicy(battle, party, 1);
    EXPECT_EQ(heal.command, SkillId(2));
    EXPECT_EQ(heal.target, 1);

    const BattleOutcome won = RunBattle(battle, party, encounter);
    EXPECT_EQ(won.result, SimResult::kWon);
    EXPECT_EQ(won.gold, 9);
    EXPECT_EQ(party.gold, 9);
}

TEST_F(SimulationTest, BattlesThatCannotEndStopAtTheTickLimit) {
    CharacterTable()[kTestCharacter].skills = {SkillId(0)};
    const BattleOutcome outcome = RunBattle(battle, party, encounter, 3000);
    EXPECT_EQ(outcome.result, SimResult::kTimedOut);
    EXPECT_GE(outcome.ticks, 3000);
    EXPECT_LT(outcome.ticks, 3000 + kTicksPerFrame);
}

}  // namespace
