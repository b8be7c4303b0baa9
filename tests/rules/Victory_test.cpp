#include "rules/Victory.h"

#include "BattleFixture.h"
#include "rules/Levels.h"

namespace {

class VictoryTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        savedNames_ = {ItemNameTable()[1198], ItemNameTable()[1199]};
        ItemNameTable()[1198] = WString("");
        ItemNameTable()[1199] = WString("テスト素材");
    }
    void TearDown() override {
        ItemNameTable()[1198] = savedNames_[0];
        ItemNameTable()[1199] = savedNames_[1];
        BattleTest::TearDown();
    }
    int32_t Enemy(int32_t n, int32_t state) {
        const int32_t index = AddUnit(UnitSide::kEnemy, {10});
        U(index).sourceIndex = kTestEnemy + n;
        U(index).state = state;
        return index;
    }
    std::array<WString, 2> savedNames_;
};

TEST_F(VictoryTest, FallenEnemiesPayGoldExperienceAndNamedDrops) {
    EnemyData& row = EnemyTable()[kTestEnemy];
    row.exp = 30;
    row.gold = 7;
    row.drops = {{1199, 10, 0, 10000}, {1198, 10, 0, 10000}, {GoodsRange::kCardFirst + kTestCharacter, 0, 0, 10000}};
    CharacterTable()[kTestCharacter].name = WString("テスト");
    Enemy(0, UnitState::kFallen);
    Enemy(0, UnitState::kFallen);
    Enemy(0, UnitState::kFled);  // fled enemies give nothing
    AddUnit(UnitSide::kParty, {10});

    PartyState party;
    party.cards[kTestCharacter] = Holding::kCarried;
    BeginVictory(battle, party);
    EXPECT_EQ(battle.subState, BattleSubState::kWon);
    EXPECT_EQ(battle.rewardGold, 14);
    EXPECT_EQ(party.gold, 14);
    EXPECT_EQ(battle.rewardExp, 60);
    // 60 experience: 40 buys level 2 (ExpToNext(1) = 40), 20 stays short of 76.
    EXPECT_EQ(party.pendingLevel, 2);
    EXPECT_EQ(party.expPool, 20);
    EXPECT_EQ(battle.levelBefore, 1);
    EXPECT_EQ(battle.levelAfter, 2);
    // Only the named item, twice; the unnamed one and the held card are not listed.
    EXPECT_EQ(battle.obtained, (std::vector<PackedItem>{PackItem(1199, 10), PackItem(1199, 10)}));
    EXPECT_EQ(party.inventory, battle.obtained);

    EXPECT_EQ(ConfirmVictory(battle, party), -1);
    EXPECT_EQ(party.level, 2);
    EXPECT_EQ(party.records, (BattleRecords{1, 1, 0}));
}

}  // namespace
