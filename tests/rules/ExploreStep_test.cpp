#include "rules/ExploreStep.h"

#include "ExploreFixture.h"

namespace {

TEST_F(ExploreTest, DepartureRestoresCarriedItemUsesAndClearsTheExpedition) {
    party.carried[0] = PackItem(5, 50);  // a bag herb: three uses
    party.carried[3] = PackItem(1, 0);
    Depart(expedition, party, battle, kTestArea, 10);
    EXPECT_EQ(battle.itemUses[0], 3);
    EXPECT_EQ(battle.itemUses[3], 1);
    EXPECT_EQ(battle.itemUses[1], 0);

    battle.itemUses[0] = 0;
    expedition.defeatedThisExpedition[kTestQuest] = 1;
    expedition.step = 7;
    expedition.pressure = 900;
    expedition.message = WString("Get 何か");
    Depart(expedition, party, battle, kTestArea, 0);
    EXPECT_EQ(battle.itemUses[0], 3);
    EXPECT_EQ(party.carried[0], PackItem(5, 50));  // the item itself stays carried
    EXPECT_EQ(expedition.defeatedThisExpedition[kTestQuest], 0);
    EXPECT_EQ(expedition.depth, 0);
    EXPECT_EQ(expedition.step, 0);
    EXPECT_EQ(expedition.pressure, 0);
    EXPECT_TRUE(expedition.message.Empty());
}

TEST_F(ExploreTest, TheTenthStepGoesDeeperAndHoldsNothingElse) {
    Area().finds = {{1, 0, 0, 0, 49, 10000}};
    Area().encounters = {{kTestEnemy, 1, 0, 49, 10000}};
    Quest(0);
    HoldNotice(0);
    ShopStockTable() = {{1100, 0, 0, 0, 10, 10000, 40}};
    expedition.depth = 9;
    expedition.step = 9;
    expedition.pressure = 1000000;

    const StepResult result = TakeStep(expedition, party);
    EXPECT_EQ(result.kind, StepKind::kDeeper);
    EXPECT_TRUE(result.encounter.enemies.empty());
    EXPECT_EQ(expedition.step, 0);
    EXPECT_EQ(expedition.depth, 10);
    EXPECT_EQ(expedition.checkpoints[kTestArea], 1);
    EXPECT_EQ(expedition.pressure, 1000000);
    EXPECT_EQ(expedition.currentQuest, -1);
    EXPECT_TRUE(party.inventory.empty());
    EXPECT_EQ(party.shopStock.size(), 1u);  // the shop was renewed

    // The very next step meets the quest that the tenth step passed over.
    EXPECT_EQ(TakeStep(expedition, party).kind, StepKind::kQuest);
}

TEST_F(ExploreTest, TheDeepestDepthStaysWithCheckpointFour) {
    expedition.depth = 49;
    for (int32_t i = 0; i < 30; ++i) TakeStep(expedition, party);
    EXPECT_EQ(expedition.depth, 49);
    EXPECT_EQ(expedition.checkpoints[kTestArea], 4);
    EXPECT_EQ(StartDepths(expedition, kTestArea), (std::vector<int32_t>{0, 10, 20, 30, 40}));
    // An area never visited offers the surface only; a damaged checkpoint
    // offers no depth the area does not have.
    EXPECT_EQ(StartDepths(expedition, 0), (std::vector<int32_t>{0}));
    expedition.checkpoints[0] = 99;
    EXPECT_EQ(StartDepths(expedition, 0).back(), 40);
}

TEST_F(ExploreTest, EncountersFollowThePressureAndTheBudgetOfTheDepth) {
    // Cost 1, so the number of enemies is the budget.
    Area().encounters = {{kTestEnemy, 1, 0, 49, 10000}};
    auto meet = [&](int32_t depth) {
        expedition.depth = depth;
        for (int32_t i = 0; i < 1000; ++i) {
            expedition.pressure = 10000;
            expedition.currentQuest = 5;
            const StepResult result = Step();
            if (result.kind != StepKind::kEncounter) continue;
            EXPECT_EQ(expedition.pressure, 0);
            EXPECT_EQ(expedition.currentQuest, -1);
            EXPECT_EQ(result.encounter.quest, -1);
            return result.encounter.enemies.size();
        }
        return size_t{0};
    };
    EXPECT_EQ(meet(9), 32u);
    EXPECT_EQ(meet(10), 5u);
    EXPECT_EQ(meet(19), 32u);
    EXPECT_EQ(meet(40), 5u);

    // Without pressure a step never meets enemies; a quiet step builds it up.
    for (int32_t i = 0; i < 100; ++i) {
        expedition.pressure = 0;
        EXPECT_NE(Step().kind, StepKind::kEncounter);
        EXPECT_TRUE(expedition.pressure == 0 || expedition.pressure == 150) << expedition.pressure;
    }
}

TEST_F(ExploreTest, AnAreaWithoutEnemiesForTheDepthStartsNoBattle) {
    Area().encounters = {{kTestEnemy, 1, 20, 29, 10000}};
    expedition.depth = 3;
    for (int32_t i = 0; i < 200; ++i) {
        expedition.pressure = 10000;
        expedition.step = 0;
        EXPECT_NE(ExploreStep(expedition, party, battle).kind, StepKind::kEncounter);
    }
    EXPECT_TRUE(battle.units.empty());
}

TEST_F(ExploreTest, FindsRampTheirQualityWithTheDepthAndAreAnnounced) {
    Area().finds = {{1100, 0, 100, 0, 49, 10000}};
    auto qualities = [&](int32_t depth) {
        expedition.depth = depth;
        party.inventory.clear();
        int32_t low = 100, high = 0;
        for (int32_t found = 0; found < 200;) {
            const StepResult result = Step();
            if (result.kind != StepKind::kFind) continue;
            ++found;
            EXPECT_EQ(result.sound.ToUtf8(), "power21");
            const int32_t q = PackedQuality(result.found);
            low = std::min(low, q);
            high = std::max(high, q);
        }
        EXPECT_EQ(party.inventory.size(), 200u);
        return std::pair{low, high};
    };
    EXPECT_EQ(qualities(0), std::pair(0, 30));
    EXPECT_EQ(qualities(49), std::pair(70, 100));
    const auto middle = qualities(21);  // t = 21 x 70 / 49 = 30
    EXPECT_EQ(middle, std::pair(30, 60));

    WString expected;
    expected.Format("Get %S", ItemName(1100));
    EXPECT_EQ(expedition.message.View().substr(0, expected.Length()), expected.View());
    EXPECT_EQ(expedition.message.ToUtf8().back(), ']');
}

TEST_F(ExploreTest, FindDrawsEndWhenNothingCanBeTaken) {
    // A window of one depth would divide by zero: its ramp starts at 0.
    Area().finds = {{1100, 0, 100, 5, 5, 10000}};
    expedition.depth = 5;
    int32_t found = 0;
    for (int32_t i = 0; i < 100; ++i) {
        const StepResult result = Step();
        if (result.kind != StepKind::kFind) continue;
        ++found;
        EXPECT_LE(PackedQuality(result.found), 30);
    }
    EXPECT_GT(found, 0);

    // Only a notice the party holds, rows of other depths, rows that never
    // succeed: the step finds nothing and the message stays.
    const int32_t notice = GoodsRange::kCertificateFirst + kTestQuest;
    party.notices[kTestQuest] = Holding::kStored;
    Area().finds = {{notice, 0, 0, 0, 49, 10000}, {1100, 0, 0, 30, 39, 10000}, {1101, 0, 0, 0, 49, 0}};
    party.inventory.clear();
    expedition.message = WString("前の知らせ");
    for (int32_t i = 0; i < 40; ++i) EXPECT_NE(Step().kind, StepKind::kFind);
    EXPECT_TRUE(party.inventory.empty());
    EXPECT_EQ(expedition.message.ToUtf8(), "前の知らせ");

    // A notice not yet held is taken once, then never again.
    Quest(0);
    party.notices[kTestQuest] = Holding::kNone;
    int32_t notices = 0;
    for (int32_t i = 0; i < 60; ++i) notices += Step().kind == StepKind::kFind;
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(party.notices[kTestQuest], Holding::kCarried);
    EXPECT_EQ(expedition.message.ToUtf8(), "Get 賞:試験討伐");
}

TEST_F(ExploreTest, ExploreStepStartsTheBattleItMeets) {
    QuestData& quest = Quest(2);
    quest.enemies = {kTestEnemy, kTestEnemy};
    quest.rows = {1, 0};
    quest.reinforcements = {{kTestEnemy, 300}};
    quest.music = WString("boss.mid");
    HoldNotice(2);
    const StepResult met = ExploreStep(expedition, party, battle);
    ASSERT_EQ(met.kind, StepKind::kQuest);
    EXPECT_EQ(expedition.currentQuest, kTestQuest + 2);
    EXPECT_EQ(battle.quest, kTestQuest + 2);
    EXPECT_EQ(battle.subState, BattleSubState::kRunning);
    ASSERT_EQ(battle.units.size(), 3u);
    EXPECT_EQ(battle.units[0].row, 1);
    EXPECT_EQ(battle.units[1].row, 0);
    ASSERT_EQ(battle.reinforcements.size(), 1u);
    EXPECT_EQ(battle.reinforcements[0].period, 300);
    EXPECT_EQ(battle.reinforcements[0].counter, 0);
    EXPECT_EQ(battle.musicRequest.ToUtf8(), "boss.mid");

    // An ordinary encounter afterwards drops the quest's reinforcements.
    expedition.hunt[kTestQuest + 2] = 0;
    Area().encounters = {{kTestEnemy, 5, 0, 49, 10000}};
    Area().battleMusic = WString("field-battle.mid");
    for (int32_t i = 0; i < 200 && battle.quest >= 0; ++i) {
        expedition.pressure = 10000;
        expedition.step = 0;
        ExploreStep(expedition, party, battle);
    }
    EXPECT_EQ(battle.quest, -1);
    EXPECT_TRUE(battle.reinforcements.empty());
    EXPECT_EQ(battle.musicRequest.ToUtf8(), "field-battle.mid");
}

}  // namespace
