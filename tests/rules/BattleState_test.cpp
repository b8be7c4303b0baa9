#include "rules/BattleState.h"

#include "BattleFixture.h"
#include "rules/Layout.h"

namespace {

using namespace AbilityParam;

class StartTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        for (int32_t i = 0; i < 2; ++i) {
            CharacterData& c = CharacterTable()[kTestCharacter + i];
            c.name = WString("テスト");
            c.params.Base(BaseParam::kHp) = 300 + i;
            c.skills[0] = 1;
            c.ranged = i;
            EnemyTable()[kTestEnemy + i].params.Base(BaseParam::kHp) = 50;
        }
        CharacterData& first = CharacterTable()[kTestCharacter];
        first.params.Ability(kEpLineage) = 30;
        first.params.Ability(kQuickStart) = 40;
        first.params.Ability(kAtkLineage) = 50;
        first.params.Ability(kDecoy) = 100;
        party.members = {kTestCharacter, kTestCharacter + 1};
        encounter.enemies = {kTestEnemy, kTestEnemy + 1};
        encounter.rows = {0, 1};
        encounter.music = WString("boss.mid");
    }
    PartyState party;
    Encounter encounter;
};

TEST_F(StartTest, EveryBattleStartsFreshButKeepsTheItemUses) {
    battle.itemUses[2] = 1;
    battle.units.resize(9);
    battle.subState = BattleSubState::kWon;
    StartBattle(battle, party, encounter);
    ASSERT_EQ(battle.units.size(), 4u);
    EXPECT_EQ(battle.units[0].side, UnitSide::kEnemy);
    EXPECT_EQ(battle.units[1].row, 1);
    const BattleUnit& first = battle.units[2];
    EXPECT_EQ(first.side, UnitSide::kParty);
    EXPECT_EQ(first.hp, 300);
    EXPECT_EQ(first.skills, std::vector<int32_t>{1});
    EXPECT_EQ(first.ep, 30);
    EXPECT_EQ(first.gauge, 4000);
    EXPECT_EQ(first.statusMark[StatusKind::kAtk], StatusMark::kRaised);
    EXPECT_EQ(first.statusTime[StatusKind::kAtk], 400);
    EXPECT_EQ(first.statusTime[StatusKind::kTaunt], 800);
    EXPECT_EQ(battle.units[3].row, 1);
    EXPECT_EQ(battle.subState, BattleSubState::kRunning);
    EXPECT_EQ(battle.itemUses[2], 1);
    EXPECT_EQ(battle.musicRequest.ToUtf8(), "boss.mid");
}

TEST_F(StartTest, LayoutSpreadsEachSideOverTheScreen) {
    StartBattle(battle, party, encounter);
    // Two 150-wide portraits: gap (640 - 300) / 3 = 113, bottom at 470.
    EXPECT_EQ(battle.units[2].position.x, 113);
    EXPECT_EQ(battle.units[3].position.x, 376);
    EXPECT_EQ(battle.units[3].position.y, 320);
    // Enemies without a picture take no width: margin 20, gap 600 / 3.
    EXPECT_EQ(battle.units[0].position.x, 220);
    EXPECT_EQ(battle.units[1].position.x, 420);
    EXPECT_EQ(battle.units[1].position.y, 285);
    battle.units[0].state = UnitState::kFallen;
    LayoutUnits(battle);
    EXPECT_EQ(battle.units[1].position.x, 320);
}

}  // namespace
