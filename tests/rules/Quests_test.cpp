#include "rules/Quests.h"

#include "ExploreFixture.h"
#include "rules/Guild.h"

namespace {

TEST_F(ExploreTest, AnIgnoredQuestIsNeverMetUntilItsHuntIsSwitchedOn) {
    Quest(0);
    HoldNotice(0, false);
    for (int32_t i = 0; i < 200; ++i) EXPECT_NE(Step().kind, StepKind::kQuest);

    EXPECT_TRUE(ToggleHunt(expedition, party, kTestQuest));
    EXPECT_EQ(Step().kind, StepKind::kQuest);
    EXPECT_TRUE(ToggleHunt(expedition, party, kTestQuest));
    EXPECT_EQ(expedition.hunt[kTestQuest], 0);

    // Only a carried notice has a switch; a stored one is never met.
    party.notices[kTestQuest] = Holding::kStored;
    EXPECT_FALSE(ToggleHunt(expedition, party, kTestQuest));
    expedition.hunt[kTestQuest] = 1;
    for (int32_t i = 0; i < 50; ++i) EXPECT_NE(Step().kind, StepKind::kQuest);
    EXPECT_FALSE(ToggleHunt(expedition, party, kTestQuest + 1));
    EXPECT_FALSE(ToggleHunt(expedition, party, -1));
    EXPECT_FALSE(ToggleHunt(expedition, party, kQuestCapacity));
}

TEST_F(ExploreTest, AQuestIsMetOncePerExpeditionAndRewardedOnceEver) {
    Quest(0).rewards = {PackItem(1100, 30), PackItem(GoodsRange::kMapFirst + 3, 0)};
    HoldNotice(0);
    Depart(expedition, party, battle, kTestArea, 0);
    ASSERT_EQ(Step().kind, StepKind::kQuest);
    EXPECT_TRUE(DefeatQuest(expedition, party, kTestQuest));
    EXPECT_EQ(party.gold, 300);
    EXPECT_EQ(party.inventory, std::vector<PackedItem>{PackItem(1100, 30)});
    EXPECT_EQ(party.maps[3], Holding::kCarried);
    EXPECT_EQ(expedition.questsDefeated, 1);
    EXPECT_EQ(expedition.clearLevel[kTestQuest], 7);
    for (int32_t i = 0; i < 100; ++i) EXPECT_NE(Step().kind, StepKind::kQuest);

    // The next expedition meets it again, but pays nothing more.
    party.level = 20;
    Depart(expedition, party, battle, kTestArea, 0);
    ASSERT_EQ(Step().kind, StepKind::kQuest);
    EXPECT_FALSE(DefeatQuest(expedition, party, kTestQuest));
    EXPECT_EQ(party.gold, 300);
    EXPECT_EQ(party.inventory.size(), 1u);
    EXPECT_EQ(expedition.questsDefeated, 1);
    EXPECT_EQ(expedition.clearLevel[kTestQuest], 7);
    EXPECT_NE(Step().kind, StepKind::kQuest);
    EXPECT_FALSE(DefeatQuest(expedition, party, kQuestCapacity));
}

TEST_F(ExploreTest, QuestsAreMetInTheirAreaAndWindowFirstIdFirst) {
    QuestData& windowed = Quest(3);
    windowed.minLevel = 10;
    windowed.maxLevel = 19;
    HoldNotice(3);
    auto metAt = [&](int32_t depth) {
        expedition.depth = depth;
        const StepResult result = Step();
        return result.kind == StepKind::kQuest ? expedition.currentQuest : -1;
    };
    EXPECT_EQ(metAt(9), -1);
    EXPECT_EQ(metAt(10), kTestQuest + 3);
    EXPECT_EQ(metAt(19), kTestQuest + 3);
    EXPECT_EQ(metAt(20), -1);

    Quest(5);
    HoldNotice(5);
    Quest(1).area = 0;  // elsewhere
    HoldNotice(1);
    Quest(2).chance = 0;
    HoldNotice(2);
    Quest(4).enemies.clear();  // a damaged row: no battle to win
    HoldNotice(4);
    EXPECT_EQ(metAt(15), kTestQuest + 3);
    EXPECT_EQ(metAt(25), kTestQuest + 5);
}

TEST_F(ExploreTest, QuestRowsAndDetailsShowTheNoticeState) {
    QuestData& quest = Quest(0);
    quest.minLevel = 5;
    quest.maxLevel = 9;
    Area().name = WString("大平原");
    QuestListRow row = MakeQuestListRow(expedition, kTestQuest);
    EXPECT_FALSE(row.hunting);
    EXPECT_EQ(row.hunt.ToUtf8(), "無視");
    EXPECT_EQ(row.cleared.ToUtf8(), " 未");
    EXPECT_EQ(row.label.ToUtf8(), "賞:試験討伐");
    EXPECT_EQ(row.recommended.ToUtf8(), "推奨Lv 12");
    EXPECT_EQ(row.area.ToUtf8(), "大平原");
    EXPECT_EQ(row.window.ToUtf8(), "( 5 ～ 9 )");

    HoldNotice(0);
    expedition.depth = 5;
    Step();
    DefeatQuest(expedition, party, kTestQuest);
    row = MakeQuestListRow(expedition, kTestQuest);
    EXPECT_EQ(row.hunt.ToUtf8(), "討伐");
    EXPECT_EQ(row.cleared.ToUtf8(), "撃破");

    const QuestDetail detail = MakeQuestDetail(expedition, kTestQuest);
    EXPECT_EQ(detail.clearLevel.ToUtf8(), "撃破Lv 7");
    EXPECT_EQ(detail.recommended.ToUtf8(), "推奨Lv 12");
    EXPECT_EQ(detail.area.ToUtf8(), "出現地 大平原");
    EXPECT_EQ(detail.window.ToUtf8(), "探索Lv 5 ～ 9");
    EXPECT_EQ(detail.reward.ToUtf8(), "報酬   300G");

    EXPECT_EQ(RecommendedLevelText(499).ToUtf8(), "推奨Lv 499");
    EXPECT_EQ(RecommendedLevelText(500).ToUtf8(), "推奨Lv ???");
}

}  // namespace
