#include "rules/ExploreSimulation.h"

#include "ExploreFixture.h"

namespace {

class ExploreSimulationTest : public ExploreTest {
protected:
    void SetUp() override {
        ExploreTest::SetUp();
        Skill(0, SkillType::kFixed, 0);     // harmless
        Skill(1, SkillType::kFixed, 100);   // fells a test enemy
        Skill(2, SkillType::kFixed, 5000);  // fells the hero
        EnemyData& enemy = EnemyTable()[kTestEnemy];
        enemy.params.Base(BaseParam::kSp) = 50;
        enemy.actions = {{SkillId(0), 10}};
        enemy.exp = 500;
        enemy.gold = 3;
        CharacterData& hero = CharacterTable()[kTestCharacter];
        hero.params.Base(BaseParam::kSp) = 80;
        hero.skills = {SkillId(1)};
        hero.growth[BaseParam::kHp] = 700;
        Area().encounters = {{kTestEnemy, 3, 0, 49, 10000}};
        Area().finds = {{1100, 0, 50, 0, 49, 10000}};
        setup.party.members = {MemberSetup{kTestCharacter}};
        setup.area = kTestArea;
        setup.startDepth = 10;
        setup.targetDepth = 13;
    }
    ExploreSimSetup setup;
};

TEST_F(ExploreSimulationTest, ExpeditionsWalkToTheTargetDepthFightingWithThePolicy) {
    const int32_t hp = CharacterTable()[kTestCharacter].params.Base(BaseParam::kHp);
    const ExploreSimSummary s = SimulateExpeditions(setup, 20, 7);
    EXPECT_EQ(s.returned, 20);
    EXPECT_EQ(s.steps, 20 * 30);
    EXPECT_EQ(s.depthsReached, 20 * 13);
    EXPECT_GT(s.battles, 20);
    EXPECT_EQ(s.wins, s.battles);
    EXPECT_GT(s.finds, 20);
    // Budgets 5, 8 and 11 at depths 10 to 12 bring 2 to 4 enemies of 3 G.
    EXPECT_GE(s.goldGained, 3 * 2 * s.battles);
    EXPECT_LE(s.goldGained, 3 * 4 * s.battles);
    EXPECT_GT(s.levelsReached, 20);          // levels were gained ...
    EXPECT_EQ(CharacterTable()[kTestCharacter].params.Base(BaseParam::kHp), hp);  // ... and put back

    // Quests held at departure are hunted; first clears count once per run.
    Quest(0).rewardGold = 1000;
    setup.holdings = {PackItem(GoodsRange::kCertificateFirst + kTestQuest, 0)};
    const ExploreSimSummary hunted = SimulateExpeditions(setup, 5, 7);
    EXPECT_EQ(hunted.questsMet, 5);
    EXPECT_EQ(hunted.questsCleared, 5);
    setup.hunt = false;
    EXPECT_EQ(SimulateExpeditions(setup, 5, 7).questsMet, 0);
}

TEST_F(ExploreSimulationTest, ADefeatEndsTheExpedition) {
    EnemyTable()[kTestEnemy].actions = {{SkillId(2), 10}};
    EnemyTable()[kTestEnemy].params.Base(BaseParam::kSp) = 500;
    const ExploreSimSummary s = SimulateExpeditions(setup, 10, 3);
    EXPECT_EQ(s.defeated, 10);
    EXPECT_EQ(s.wins, 0);
    EXPECT_EQ(s.battles, 10);
    EXPECT_LT(s.steps, 10 * 30);
}

}  // namespace
