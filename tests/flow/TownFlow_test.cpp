// The title, the town menu and its facilities, leaving town and coming
// back, played through the game's update as a player would.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "FlowDriver.h"
#include "content/ContentDatabase.h"
#include "content/MusicFiles.h"
#include "flow/SaveSlots.h"
#include "rules/Belongings.h"

namespace {

std::vector<char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TownFlow : public FlowDriverTest {};

TEST_F(TownFlow, NewGameGoesToTheTownWithItsMusic) {
    EXPECT_EQ(Widget(0).State(), WidgetState::kActive);
    EXPECT_EQ(Widget(0).Cursor(), 0);
    StartNewGame();
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(0).State(), WidgetState::kHidden);
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(Music(), "music\\town3.mid");
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1}));
    // The town menu has no way back to the title.
    Press(kCancel);
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(Sound(), "");
}

TEST_F(TownFlow, TheWidgetMovesBeforeDecideActsInTheSameFrame) {
    StartNewGame();
    Frame({kDecide, kDown});  // two columns: down from "外へ出る" is "ショップ"
    EXPECT_EQ(Widget(1).Cursor(), 2);
    EXPECT_EQ(State().menuState, 1);
    EXPECT_EQ(Widget(14).State(), WidgetState::kActive);
}

TEST_F(TownFlow, TheSpeedToggleAlsoRunsTheScreen) {
    Frame({kSpeed, kDecide});
    EXPECT_EQ(SpeedSetting(), 1u);
    EXPECT_EQ(WindowTitle().ToUtf8(), "ハルモア2( ダーボ )");
    EXPECT_EQ(Mode(), GameMode::kTown);
    Press(kSpeed);
    EXPECT_EQ(WindowTitle().ToUtf8(), "ハルモア2");
}

TEST_F(TownFlow, EveryFacilityIsEnteredAndLeft) {
    StartNewGame();
    const struct {
        int32_t entry, state, widget;
    } facilities[] = {{2, 1, 14}, {3, 2, 15}, {4, 10, 19}, {5, 4, 16}, {6, 5, 17}, {7, 6, 23}};
    for (const auto& f : facilities) {
        SCOPED_TRACE(f.entry);
        EnterTownEntry(f.entry);
        EXPECT_EQ(Sound(), "decide");
        EXPECT_EQ(State().menuState, f.state);
        EXPECT_EQ(Widget(1).State(), WidgetState::kHidden);
        EXPECT_EQ(Widget(f.widget).State(), WidgetState::kActive);
        Press(kCancel);
        EXPECT_EQ(Sound(), "cancel");
        EXPECT_EQ(State().menuState, 0);
        EXPECT_EQ(Widget(f.widget).State(), WidgetState::kHidden);
        EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    }
    EXPECT_EQ(Music(), "music\\town3.mid");  // menus keep the town music
}

TEST_F(TownFlow, ShopSellsWhatThePurseCanPayAndEmptiesToCursorZero) {
    StartNewGame();
    PartyState& party = GameParty();
    party.shopStock = {{PackItem(1, 50), 30}, {PackItem(2, 50), 500}};
    party.gold = 100;
    EnterTownEntry(2);
    Widget(14).Select(1);
    Press(kDecide);  // 500 G: refused without a sound
    EXPECT_EQ(Sound(), "");
    EXPECT_EQ(party.shopStock.size(), 2u);
    EXPECT_EQ(party.gold, 100);
    Widget(14).Select(0);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(party.gold, 70);
    EXPECT_EQ(party.shopStock.size(), 1u);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(1, 50)}));
    party.gold = 1000;
    Press(kDecide);  // the last row
    EXPECT_TRUE(party.shopStock.empty());
    EXPECT_FALSE(Widget(14).HasEntries());
    EXPECT_EQ(Widget(14).Cursor(), 0);
    Press(kDecide);  // nothing left to buy
    EXPECT_EQ(party.gold, 500);
}

TEST_F(TownFlow, PawnShopSellsOneOrAllOfAKindAndWrapsItsTabs) {
    StartNewGame();
    PartyState& party = GameParty();
    for (int32_t q : {90, 60, 30}) AddItem(party, PackItem(1, q));
    AddItem(party, PackItem(2, 40));
    EnterTownEntry(3);
    EXPECT_EQ(State().selection, 20);
    ASSERT_EQ(Widget(15).Count(), 4);
    Widget(15).Select(1);
    const int32_t before = party.gold;
    Press(kDecide);
    EXPECT_EQ(party.inventory.size(), 3u);
    EXPECT_GT(party.gold, before);
    Widget(15).Select(0);
    Press(kSellAll);  // the two herbs left, not the other item
    ASSERT_EQ(party.inventory.size(), 1u);
    EXPECT_EQ(PackedGoodsId(party.inventory[0]), 2);
    Press(kLeft);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().selection, 23);
    Press(kRight);
    EXPECT_EQ(State().selection, 20);
    // Selling the last entry of a tab leaves an empty list at cursor 0.
    Press(kDecide);
    EXPECT_TRUE(party.inventory.empty());
    EXPECT_FALSE(Widget(15).HasEntries());
    EXPECT_EQ(Widget(15).Cursor(), 0);
    Press(kSellAll);
    EXPECT_EQ(Sound(), "");
}

TEST_F(TownFlow, TavernHiresACardHolderTheGoldCanPay) {
    StartNewGame();
    PartyState& party = GameParty();
    const int32_t character = 2;
    party.cards[character] = Holding::kCarried;
    party.gold = CharacterById(character).hireFee - 1;
    EnterTownEntry(6);
    ASSERT_EQ(Widget(17).EntryAtCursor(), character);
    Press(kDecide);
    EXPECT_EQ(party.hired[character], 0);
    EXPECT_EQ(Sound(), "");
    party.gold += 1;
    Press(kDecide);
    EXPECT_EQ(party.hired[character], 1);
    EXPECT_EQ(party.gold, 0);
    EXPECT_FALSE(Widget(17).HasEntries());
}

TEST_F(TownFlow, GuildSwitchesTheChosenHunt) {
    StartNewGame();  // a new game carries the notices of quests 0 and 1
    EnterTownEntry(5);
    ASSERT_EQ(Widget(16).Count(), 2);
    Widget(16).Select(1);
    Press(kDecide);
    EXPECT_EQ(GameExpedition().hunt[1], 1);
    Press(kDecide);
    EXPECT_EQ(GameExpedition().hunt[1], 0);
}

TEST_F(TownFlow, SaveIntoSlot14AndLoadItBackWhole) {
    StartNewGame();
    PartyState& party = GameParty();
    party.gold = 4321;
    AddItem(party, PackItem(520, 77));
    EnterTownEntry(7);
    Widget(23).Select(14);
    Press(kDecide);
    EXPECT_TRUE(State().saveMessage.Empty());
    EXPECT_TRUE(std::filesystem::exists(folder_ / "save" / "14"));
    EXPECT_EQ(Widget(23).Cursor(), 14);
    Press(kCancel);
    EnterTownEntry(7);
    EXPECT_EQ(Widget(23).Cursor(), 14);  // the last used slot
    const std::vector<char> saved = FileBytes(folder_ / "save" / "14");

    // A fresh start: the title's "つづきから", an empty slot first.
    TearDown();
    SetUp();
    std::filesystem::create_directories(folder_ / "save");
    std::filesystem::path file = folder_ / "save" / "14";
    std::ofstream(file, std::ios::binary).write(saved.data(), std::streamsize(saved.size()));
    Widget(0).Select(1);
    Press(kDecide);
    EXPECT_EQ(State().menuState, 1);
    EXPECT_EQ(Widget(23).State(), WidgetState::kActive);
    Widget(23).Select(3);
    Press(kDecide);  // empty: nothing, the list stays
    EXPECT_EQ(Mode(), GameMode::kTitle);
    EXPECT_EQ(Widget(23).State(), WidgetState::kActive);
    Widget(23).Select(14);
    Press(kDecide);
    EXPECT_EQ(Mode(), GameMode::kTown);
    EXPECT_EQ(Music(), "music\\town3.mid");
    EXPECT_EQ(GameParty().gold, 4321);

    // Written again, the state gives the same bytes.
    EnterTownEntry(7);
    Widget(23).Select(2);
    Press(kDecide);
    EXPECT_EQ(FileBytes(folder_ / "save" / "2"), saved);
}

TEST_F(TownFlow, AFailedSaveSaysSoAndStaysInTheTown) {
    StartNewGame();
    std::ofstream(folder_ / "save") << "not a folder";
    EnterTownEntry(7);
    Press(kDecide);
    EXPECT_EQ(State().saveMessage.ToUtf8(), "セーブできませんでした");
    EXPECT_EQ(Mode(), GameMode::kTown);
    EXPECT_EQ(State().menuState, 6);
    Press(kCancel);
    EXPECT_TRUE(State().saveMessage.Empty());
}

TEST_F(TownFlow, TitleSlotListCancelsBackToTheMenu) {
    Widget(0).Select(1);
    Press(kDecide);
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(23).State(), WidgetState::kHidden);
    EXPECT_EQ(Widget(0).State(), WidgetState::kActive);
}

TEST_F(TownFlow, DepartExploreIntoABattleAndGoHome) {
    StartNewGame();
    EnterTownEntry(0);
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1, 2}));
    ASSERT_EQ(Widget(10).Count(), 1);  // the map of area 0
    Press(kCancel);
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);

    EnterTownEntry(0);
    Press(kDecide);
    EXPECT_EQ(State().menuState, 1);
    EXPECT_EQ(Widget(10).State(), WidgetState::kShown);
    ASSERT_EQ(Widget(22).Count(), 1);  // never visited: depth 0 only
    Press(kCancel);
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(10).State(), WidgetState::kActive);
    Press(kDecide);
    Press(kDecide);
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(Music(), "music\\" + AreaById(0).fieldMusic.ToUtf8());
    EXPECT_EQ(GameExpedition().depth, 0);
    EXPECT_EQ(Widget(10).State(), WidgetState::kHidden);

    Frame({kUp, kDown});  // up is tested first: a step, not the way home
    EXPECT_NE(Mode(), GameMode::kTown);
    int32_t steps = 0;
    while (Mode() == GameMode::kExploration && steps < 500) {
        Press(kUp);
        ++steps;
    }
    ASSERT_EQ(Mode(), GameMode::kBattle);
    EXPECT_EQ(State().menuState, 0);
    EXPECT_FALSE(GameBattle().units.empty());
    EXPECT_EQ(Music(), "music\\" + AreaById(0).battleMusic.ToUtf8());
}

TEST_F(TownFlow, DownGoesHomeFromExploring) {
    StartNewGame();
    EnterTownEntry(0);
    Press(kDecide);
    Press(kDecide);
    ASSERT_EQ(Mode(), GameMode::kExploration);
    Press(kDown);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    EXPECT_EQ(Music(), "music\\town3.mid");
}

}  // namespace
