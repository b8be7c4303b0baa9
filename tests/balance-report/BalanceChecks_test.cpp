// The balance report's own measures: which departure stands for a level,
// the party at the best quality, and win rates that follow the level asked
// for even after play has grown the character rows.
#include "tools/balance-report/BalanceChecks.h"

#include <gtest/gtest.h>

#include "content/ContentFixture.h"
#include "content/Items.h"
#include "rules/Levels.h"

namespace {

class BalanceChecksTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureContentBuilt(); }

    static Departure At(int32_t expedition, int32_t level) {
        Departure d;
        d.expedition = expedition;
        d.level = level;
        MemberSetup member;
        member.character = 0;
        member.equip = true;
        member.equipment = CharacterById(0).equipment;
        d.members = {member};
        return d;
    }
};

TEST_F(BalanceChecksTest, TheDepartureForALevelIsTheLastOneAtOrBelowIt) {
    PlayRecord record;
    EXPECT_EQ(DepartureAtLevel(record, 10), nullptr);
    EXPECT_EQ(DepartureOf(record, 3), nullptr);
    EXPECT_EQ(DepartureAfter(record, 3), nullptr);
    record.departures = {At(1, 5), At(2, 9), At(3, 9), At(4, 20)};
    EXPECT_EQ(DepartureAtLevel(record, 1)->expedition, 1);   // below them all: the first
    EXPECT_EQ(DepartureAtLevel(record, 9)->expedition, 3);   // the last at that level
    EXPECT_EQ(DepartureAtLevel(record, 19)->expedition, 3);
    EXPECT_EQ(DepartureAtLevel(record, 999)->expedition, 4);
    EXPECT_EQ(DepartureOf(record, 2)->expedition, 2);
    EXPECT_EQ(DepartureAfter(record, 2)->expedition, 3);
    EXPECT_EQ(DepartureAfter(record, 4)->expedition, 4);  // none after: the last
}

TEST_F(BalanceChecksTest, BestQualityAndCarryingOnlyKeepTheGoodsAndEmptySlots) {
    Departure d = At(1, 1);
    d.members[0].equipment = {PackItem(500, 10), 0, PackItem(750, 0), 0};
    d.carried[0] = PackItem(1, 30);
    const SimParty best = AtBestQuality(PartyOf(d));
    EXPECT_EQ(best.members[0].equipment[0], PackItem(500, 100));
    EXPECT_EQ(best.members[0].equipment[1], PackedItem{0});
    EXPECT_EQ(best.members[0].equipment[2], PackItem(750, 100));
    EXPECT_EQ(best.carried[0], PackItem(1, 100));
    EXPECT_EQ(best.carried[1], PackedItem{0});

    const SimParty books = CarryingOnly(PartyOf(d), 200, 40);
    for (PackedItem item : books.carried) EXPECT_EQ(item, PackItem(200, 40));
    EXPECT_EQ(books.members[0].equipment[0], PackItem(500, 10));
}

TEST_F(BalanceChecksTest, WinRatesFollowTheLevelAskedForFromANewGamesRows) {
    const CharacterSnapshots fresh = TakeCharacterSnapshot();
    SimBudget budget;
    budget.battles = 30;
    budget.freshRows = &fresh;
    const SimParty party = PartyOf(At(1, 1));
    const int32_t quest = 2;  // a first-area boss a lone level-1 hero cannot beat
    const double low = QuestWinRate(party, quest, 1, budget);
    const double high = QuestWinRate(party, quest, 200, budget);
    EXPECT_LT(low, 0.5);
    EXPECT_EQ(high, 1.0);

    // Play grows the rows in place; the measure starts from a new game's
    // rows all the same, and leaves the rows as it found them.
    PartyState grown;
    SetPartyLevel(grown, 600);
    const CharacterSnapshots played = TakeCharacterSnapshot();
    EXPECT_EQ(QuestWinRate(party, quest, 1, budget), low);
    EXPECT_EQ(TakeCharacterSnapshot()[0].params.Base(BaseParam::kHp), played[0].params.Base(BaseParam::kHp));
    RestoreCharacters(fresh);

    const int32_t even = LevelForShare(party, quest, 0.5, 1, 200, budget);
    EXPECT_GT(even, 1);
    EXPECT_LE(even, 200);
    EXPECT_GE(QuestWinRate(party, quest, even, budget), 0.5);
}

TEST_F(BalanceChecksTest, EarlyItemsAreWhatTheFirstAreasGiveAtTheirBestQuality) {
    const std::map<int32_t, int32_t> early = EarlyConsumables(2, 40);
    const std::map<int32_t, int32_t> all = EarlyConsumables(7, 1000);
    ASSERT_FALSE(early.empty());
    for (const FindRow& f : AreaById(0).finds) {
        if (ClassifyGoods(f.goodsId) != GoodsKind::kConsumable) continue;
        ASSERT_EQ(early.count(f.goodsId), 1u) << f.goodsId;
        EXPECT_GE(early.at(f.goodsId), std::min(100, f.baseQuality + f.qualitySpread)) << f.goodsId;
    }
    for (const auto& [item, quality] : early) {
        EXPECT_EQ(ClassifyGoods(item), GoodsKind::kConsumable);
        EXPECT_GE(all.count(item), 1u) << item;
        // The doom tags come from the last areas' goods, never from the first.
        EXPECT_LE(MakeConsumable(item, 100).statusChance[StatusKind::kDoom], 0) << item;
    }
    EXPECT_GT(all.size(), early.size());
}

}  // namespace
