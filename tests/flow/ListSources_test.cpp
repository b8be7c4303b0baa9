#include "flow/ListSources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FlowFixture.h"
#include "content/Items.h"
#include "flow/RowFormats.h"
#include "flow/SaveSlots.h"
#include "rules/Belongings.h"
#include "rules/PawnShop.h"

namespace {

using namespace flowtest;

using PairList = std::vector<std::pair<int32_t, int32_t>>;

// The first named item id in [first, end) that `accept` takes.
template <typename Accept>
int32_t FindItem(int32_t first, int32_t end, Accept accept) {
    for (int32_t id = first; id < end; ++id)
        if (!ItemName(id).Empty() && accept(id)) return id;
    return -1;
}

class ListSourcesTest : public FlowStateTest {};

TEST_F(ListSourcesTest, EquipChoicesStartWithNothingAndFilterByRange) {
    FillList(12, 10, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}}));

    PartyState& party = GameParty();
    party.inventory = {PackItem(3, 40), PackItem(600, 10), PackItem(800, 20), PackItem(1100, 30)};
    FillList(12, 10, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}, {0, PackItem(3, 40)}}));
    FillList(12, 12, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}, {2, PackItem(800, 20)}}));
    FillList(12, 13, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}, {3, PackItem(1100, 30)}}));
}

TEST_F(ListSourcesTest, WeaponChoicesAreThoseTheChosenMemberCanWield) {
    const int32_t sword = FindItem(
        500, 750, [](int32_t id) { return MakeItemData(id, 50).kind == WeaponKind::kSword; });
    const int32_t bow = FindItem(
        500, 750, [](int32_t id) { return MakeItemData(id, 50).kind == WeaponKind::kBow; });
    ASSERT_GE(sword, 0);
    ASSERT_GE(bow, 0);
    CharacterTable()[kTestCharacter].weaponKinds = {WeaponKind::kSword};
    CharacterTable()[kTestCharacter + 1].weaponKinds = {WeaponKind::kBow};
    PartyState& party = GameParty();
    party.members = {kTestCharacter, kTestCharacter + 1};
    party.inventory = {PackItem(sword, 50), PackItem(bow, 50), PackItem(800, 20)};
    if (bow < sword) std::swap(party.inventory[0], party.inventory[1]);
    const int32_t swordAt = bow < sword ? 1 : 0;

    Flow().menuState = 0;
    FillList(12, 11, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}, {swordAt, PackItem(sword, 50)}}));
    Flow().menuState = 1;
    FillList(12, 11, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}, {1 - swordAt, PackItem(bow, 50)}}));
    // No member chosen: nothing but "なし".
    Flow().menuState = -1;
    FillList(12, 11, false);
    EXPECT_EQ(Pairs(12), (PairList{{-1, 0}}));
}

TEST_F(ListSourcesTest, MaterialsOfTheRequiredItemBestQualityFirst) {
    PartyState& party = GameParty();
    party.inventory = {PackItem(1100, 30), PackItem(1101, 90), PackItem(1100, 80),
                       PackItem(1100, 55)};
    Flow().selection = 1100;
    FillList(21, 15, false);
    EXPECT_EQ(
        Pairs(21),
        (PairList{{2, PackItem(1100, 80)}, {3, PackItem(1100, 55)}, {0, PackItem(1100, 30)}}));
    Flow().selection = 1102;
    FillList(21, 15, false);
    EXPECT_FALSE(Widget(21).HasEntries());
}

TEST_F(ListSourcesTest, StartDepthsRunToTheAreasCheckpoint) {
    ExpeditionState& expedition = GameExpedition();
    expedition.area = 2;
    FillList(22, 3, false);
    EXPECT_EQ(Pairs(22), (PairList{{0, 0}}));
    expedition.checkpoints[2] = 3;
    FillList(22, 3, false);
    EXPECT_EQ(Pairs(22), (PairList{{0, 0}, {1, 10}, {2, 20}, {3, 30}}));
}

TEST_F(ListSourcesTest, SellingTheLastEntryWithKeepLeavesAnEmptyListAtZero) {
    PartyState& party = GameParty();
    party.inventory = {PackItem(3, 40), PackItem(600, 10), PackItem(610, 10), PackItem(1100, 30)};
    FillList(15, 21, false);
    ASSERT_EQ(Widget(15).Count(), 2);
    Widget(15).Select(1);
    ASSERT_GE(SellItem(party, Widget(15).EntryAtCursor()), 0);
    FillList(15, 21, true);
    EXPECT_EQ(Widget(15).Count(), 1);
    EXPECT_EQ(Widget(15).Cursor(), 0);
    ASSERT_GE(SellItem(party, Widget(15).EntryAtCursor()), 0);
    FillList(15, 21, true);
    EXPECT_FALSE(Widget(15).HasEntries());
    EXPECT_EQ(Widget(15).Cursor(), 0);
    EXPECT_EQ(Widget(15).FirstRow(), 0);
}

TEST_F(ListSourcesTest, KeepHoldsTheViewWhileEntriesRemain) {
    PartyState& party = GameParty();
    for (int32_t q = 0; q < 30; ++q) party.inventory.push_back(PackItem(1100, 100 - q));
    Widget(15).SetLayout(1, 12);
    FillList(15, 23, false);
    Widget(15).Select(20);
    const int32_t firstRow = Widget(15).FirstRow();
    SellItem(party, 20);
    FillList(15, 23, true);
    EXPECT_EQ(Widget(15).Cursor(), 20);
    EXPECT_EQ(Widget(15).FirstRow(), firstRow);
    // Without keep the list starts over.
    FillList(15, 23, false);
    EXPECT_EQ(Widget(15).Cursor(), 0);
}

TEST_F(ListSourcesTest, BagAndStorageTabsSplitGoodsAndRecordsByHolding) {
    PartyState& party = GameParty();
    party.inventory = {PackItem(3, 40), PackItem(600, 10), PackItem(800, 20), PackItem(1100, 30)};
    party.storage = {PackItem(4, 10), PackItem(1200, 1)};
    party.recipes[209] = Holding::kCarried;
    party.recipes[561] = Holding::kStored;
    party.maps[0] = Holding::kCarried;
    party.maps[3] = Holding::kStored;
    party.cards[5] = Holding::kCarried;
    party.notices[1] = Holding::kCarried;
    party.notices[7] = Holding::kStored;

    const PairList expected[16] = {{{0, PackItem(3, 40)}},
                                   {{1, PackItem(600, 10)}},
                                   {{2, PackItem(800, 20)}},
                                   {{3, PackItem(1100, 30)}},
                                   {{209, PackItem(1459, 0)}},
                                   {{0, PackItem(2500, 0)}},
                                   {{5, PackItem(2555, 0)}},
                                   {{1, PackItem(2601, 0)}},
                                   {{0, PackItem(4, 10)}},
                                   {},
                                   {},
                                   {{1, PackItem(1200, 1)}},
                                   {{561, PackItem(1811, 0)}},
                                   {{3, PackItem(2503, 0)}},
                                   {},
                                   {{7, PackItem(2607, 0)}}};
    for (int32_t i = 0; i < 16; ++i) {
        const int32_t source = i < 8 ? 20 + i : 30 + i - 8;
        FillList(12, source, false);
        EXPECT_EQ(Pairs(12), expected[i]) << "source " << source;
    }
}

TEST_F(ListSourcesTest, PeopleAreasSlotsAndStock) {
    PartyState& party = GameParty();
    party.hired[0] = party.hired[1] = party.hired[2] = party.hired[5] = 1;
    party.members = {0, 1};
    party.cards[3] = Holding::kCarried;
    party.cards[5] = Holding::kCarried;  // hired already
    party.cards[6] = Holding::kStored;
    party.maps[0] = party.maps[4] = Holding::kCarried;
    party.maps[2] = Holding::kStored;
    party.carried[0] = PackItem(1, 30);
    party.carried[7] = PackItem(5, 60);
    party.shopStock = {{PackItem(3, 10), 100}, {PackItem(600, 20), 900}};

    FillList(18, 2, false);
    EXPECT_EQ(Pairs(18), (PairList{{2, 2}, {5, 5}}));
    FillList(17, 8, false);
    EXPECT_EQ(Pairs(17), (PairList{{3, 3}}));
    Widget(10).SetRowFormat(RowFormat::kDepth);
    FillList(10, 0, false);
    EXPECT_EQ(Pairs(10), (PairList{{0, 0}, {4, 4}}));
    EXPECT_EQ(Widget(10).RowFormat(), RowFormat::kArea);
    FillList(13, 6, false);
    ASSERT_EQ(Widget(13).Count(), 12);
    EXPECT_EQ(Widget(13).SecondAt(0), PackItem(1, 30));
    EXPECT_EQ(Widget(13).SecondAt(1), 0);
    EXPECT_EQ(Widget(13).EntryAt(7), 7);
    EXPECT_EQ(Widget(13).SecondAt(7), PackItem(5, 60));
    FillList(14, 7, false);
    EXPECT_EQ(Pairs(14), (PairList{{0, 0}, {1, 1}}));
}

TEST_F(ListSourcesTest, BattleCommandsComeFromTheMembersCommandList) {
    GameBattle().commands = {0, 12, 700, 703};
    FillList(11, 1, false);
    EXPECT_EQ(Pairs(11), (PairList{{0, 0}, {1, 12}, {0, 700}, {3, 703}}));
}

TEST_F(ListSourcesTest, SynthesisRecipesAndIngredients) {
    PartyState& party = GameParty();
    // The new game's recipes: one usable item, two weapons, one accessory.
    for (int32_t product : {209, 561, 651, 793}) party.recipes[product] = Holding::kCarried;
    party.recipes[1100] = Holding::kStored;
    FillList(19, 41, false);
    EXPECT_EQ(Pairs(19), (PairList{{209, PackItem(1459, 0)}}));
    FillList(19, 42, false);
    EXPECT_EQ(Pairs(19), (PairList{{561, PackItem(1811, 0)}, {651, PackItem(1901, 0)}}));
    FillList(19, 43, false);
    EXPECT_EQ(Pairs(19), (PairList{{793, PackItem(2043, 0)}}));
    FillList(19, 44, false);
    EXPECT_FALSE(Widget(19).HasEntries());

    const RecipeData& recipe = RecipeTable()[561];
    ASSERT_FALSE(recipe.ingredients.empty());
    Flow().synthesis.product = 561;
    FillList(20, 14, false);
    ASSERT_EQ(Widget(20).Count(), static_cast<int32_t>(recipe.ingredients.size()));
    for (int32_t row = 0; row < Widget(20).Count(); ++row) {
        EXPECT_EQ(Widget(20).EntryAt(row), row);
        EXPECT_EQ(Widget(20).SecondAt(row), recipe.ingredients[static_cast<size_t>(row)].id);
    }
    Flow().synthesis.product = -1;
    FillList(20, 14, false);
    EXPECT_FALSE(Widget(20).HasEntries());
}

TEST_F(ListSourcesTest, BountyRecordsForTheGuild) {
    GameParty().notices[0] = GameParty().notices[4] = Holding::kCarried;
    FillList(16, 27, false);
    EXPECT_EQ(Pairs(16), (PairList{{0, PackItem(2600, 0)}, {4, PackItem(2604, 0)}}));
}

TEST_F(ListSourcesTest, UnknownSourcesAndWidgetsGiveNothing) {
    GameParty().inventory = {PackItem(3, 40)};
    for (int32_t source : {-1, 4, 5, 9, 16, 19, 28, 29, 38, 39, 45, 99}) {
        Widget(12).Add(1, 1);
        FillList(12, source, false);
        EXPECT_FALSE(Widget(12).HasEntries()) << source;
    }
    FillList(-1, 20, false);
    FillList(25, 20, false);
}

// The slot list reads every slot's head from the save folder of the
// working directory.
class SaveSlotSourceTest : public FlowStateTest {
protected:
    void SetUp() override {
        FlowStateTest::SetUp();
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() / ("slots_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_ / "save");
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
        FlowStateTest::TearDown();
    }
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

TEST_F(SaveSlotSourceTest, EverySlotIsListedAndItsSummaryRead) {
    GameParty().gold = 1234;
    GameParty().level = 7;
    GameParty().members = {0};
    GameParty().hired[0] = 1;
    ASSERT_TRUE(SaveGame(3));
    SlotSummaries()[5].inUse = 1;  // stale: the slot has no file
    FillList(23, 40, false);
    ASSERT_EQ(Widget(23).Count(), kSlotCount);
    for (int32_t slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(Widget(23).EntryAt(slot), slot);
        EXPECT_EQ(Widget(23).SecondAt(slot), slot);
        EXPECT_EQ(SlotSummaries()[static_cast<size_t>(slot)].inUse, slot == 3 ? 1 : 0) << slot;
    }
    EXPECT_EQ(SlotSummaries()[3].gold, 1234);
    EXPECT_EQ(SlotSummaries()[3].level, 7);
}

}  // namespace
