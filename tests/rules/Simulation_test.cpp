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

// Another player's choices command the party: here one that only ever
// takes the harmless skill, so the battle cannot be won by it.
int gPolicyCalls = 0;
PolicyChoice OnlyHarmless(const BattleState& battle, const PartyState&, int32_t) {
    ++gPolicyCalls;
    EXPECT_FALSE(battle.commands.empty());  // the menu is open when asked
    return PolicyChoice{kTestSkill, 0};  // the harmless skill
}

TEST_F(SimulationTest, AGivenPolicyCommandsThePartyInsteadOfTheSimulatorsOwn) {
    gPolicyCalls = 0;
    const BattleOutcome outcome = RunBattle(battle, party, encounter, 3000, OnlyHarmless);
    EXPECT_EQ(outcome.result, SimResult::kTimedOut);
    EXPECT_GT(gPolicyCalls, 0);
    EXPECT_EQ(RunBattle(battle, party, encounter).result, SimResult::kWon);  // the default still wins
}

TEST_F(SimulationTest, BattlesThatCannotEndStopAtTheTickLimit) {
    CharacterTable()[kTestCharacter].skills = {SkillId(0)};
    const BattleOutcome outcome = RunBattle(battle, party, encounter, 3000);
    EXPECT_EQ(outcome.result, SimResult::kTimedOut);
    EXPECT_GE(outcome.ticks, 3000);
    EXPECT_LT(outcome.ticks, 3000 + kTicksPerFrame);
}

TEST_F(SimulationTest, CarriedItemUsesLastAWholeExpedition) {
    // The hero's own attack is harmless: only the book (one use at quality
    // 0) can win. A quest met first after departure is won every time; met
    // after one random battle, the book is spent on the way. The hero
    // outlasts every battle it cannot win.
    CharacterData& hero = CharacterTable()[kTestCharacter];
    hero.skills = {SkillId(0)};
    hero.params.Base(BaseParam::kHp) = 50000000;
    hero.params.Base(BaseParam::kHit) = 100;
    EnemyTable()[kTestEnemy].params.Base(BaseParam::kHp) = 80;
    constexpr int32_t kQuest = kQuestCapacity - 1;
    const QuestData saved = QuestTable()[kQuest];
    QuestData& quest = QuestTable()[kQuest];
    quest.title = WString("テスト討伐");
    quest.enemies = {kTestEnemy};
    quest.rows = {0};

    BattleSimSetup setup;
    setup.members = {MemberSetup{kTestCharacter}};
    setup.carried[0] = PackItem(200, 0);
    setup.quest = kQuest;
    const BattleSimSummary fresh = SimulateBattles(setup, 3, 7);
    EXPECT_EQ(fresh.expeditions, 3);
    EXPECT_EQ(fresh.wins, 3);

    setup.expeditionBattles = 2;
    const BattleSimSummary spent = SimulateBattles(setup, 3, 7);
    EXPECT_EQ(spent.expeditions, 3);
    EXPECT_EQ(spent.battles, 3);
    EXPECT_EQ(spent.wins, 0);
    EXPECT_EQ(spent.timeouts, 3);
    QuestTable()[kQuest] = saved;
}

}  // namespace
