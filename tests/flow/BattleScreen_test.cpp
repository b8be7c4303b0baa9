// The battle screen played through the game's update: battles met on the
// first area by exploring, fought by choosing commands and targets.
#include <algorithm>

#include "FlowDriver.h"
#include "content/ContentDatabase.h"
#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/Levels.h"
#include "rules/PartyState.h"

namespace {

constexpr int32_t kCommandWidget = 11;
constexpr int32_t kSlimeQuest = 1;  // the first area, depths 0 to 4

class BattleScreen : public FlowDriverTest {
protected:
    BattleState& Battle() { return GameBattle(); }
    PartyState& Party() { return GameParty(); }
    int32_t MenuState() const { return State().menuState; }

    // A new game, out of the town into the first area at depth 0.
    void GoExploring() {
        StartNewGame();
        DepartAgain();
    }
    void DepartAgain() {
        ASSERT_EQ(Mode(), GameMode::kTown);
        EnterTownEntry(0);
        Press(kDecide);  // the first area
        Press(kDecide);  // depth 0
        ASSERT_EQ(Mode(), GameMode::kExploration);
    }
    void GoHome() {
        Press(kDown);
        ASSERT_EQ(Mode(), GameMode::kTown);
    }

    // Steps deeper until enemies are met.
    void MeetBattle() {
        for (int32_t step = 0; step < 2000 && Mode() == GameMode::kExploration; ++step) Press(kUp);
        ASSERT_EQ(Mode(), GameMode::kBattle);
        ASSERT_EQ(MenuState(), 0);
    }

    // Runs the gauges until a member is asked for a command.
    void UntilCommandMenu() {
        for (int32_t i = 0; i < 5000 && MenuState() != 2; ++i) {
            ASSERT_LT(MenuState(), 4) << "the battle ended before a command was asked for";
            Frame();
        }
        ASSERT_EQ(MenuState(), 2);
    }

    // Every member attacks the first target offered, until the battle ends.
    void FightToTheEnd() {
        for (int32_t i = 0; i < 50000 && MenuState() < 4; ++i) {
            if (MenuState() == 2 || MenuState() == 3) Press(kDecide);
            else Frame();
        }
        ASSERT_GE(MenuState(), 4);
    }

    // Past the result panel: its fade, then decide.
    void ConfirmResult() {
        Frames(32);
        Press(kDecide);
    }

    void WinBattle() {
        FightToTheEnd();
        ASSERT_EQ(MenuState(), 5) << "the party lost";
        ConfirmResult();
        ASSERT_EQ(Mode(), GameMode::kExploration);
    }

    std::vector<int32_t> Units(int32_t side) {
        std::vector<int32_t> units;
        for (size_t i = 0; i < Battle().units.size(); ++i)
            if (Battle().units[i].side == side) units.push_back(static_cast<int32_t>(i));
        return units;
    }

    void StrongParty(int32_t level) { SetPartyLevel(Party(), level); }
};

TEST_F(BattleScreen, BattleIsWonByChoosingCommandsAndTargets) {
    GoExploring();
    MeetBattle();
    EXPECT_EQ(Music(), "music\\battle1.mid");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1, 2, 3, 4}));

    // The first member to be ready is offered its commands.
    for (int32_t i = 0; i < 5000 && MenuState() == 0; ++i) Frame();
    ASSERT_EQ(MenuState(), 1);
    EXPECT_EQ(State().subState, 0);
    Frame();
    ASSERT_EQ(MenuState(), 2);
    EXPECT_EQ(Widget(kCommandWidget).State(), WidgetState::kActive);
    EXPECT_EQ(Sound(), "");
    const int32_t member = Battle().ready[0];
    ASSERT_EQ(Widget(kCommandWidget).SecondAtCursor(), Battle().units[member].skills.front());

    // Cancel has no meaning in the command menu.
    Press(kCancel);
    EXPECT_EQ(MenuState(), 2);
    EXPECT_EQ(Sound(), "");

    // The attack aims at the enemies.
    Press(kDecide);
    ASSERT_EQ(MenuState(), 3);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(Widget(kCommandWidget).State(), WidgetState::kHidden);
    EXPECT_EQ(Battle().targetSide, UnitSide::kEnemy);
    EXPECT_EQ(State().selection, 0);

    // Up turns to the party; cancel gives the same member its menu again.
    Press(kUp);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(Battle().targetSide, UnitSide::kParty);
    EXPECT_EQ(Battle().candidates, Units(UnitSide::kParty));
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(MenuState(), 1);
    Frame();
    ASSERT_EQ(MenuState(), 2);
    EXPECT_EQ(Battle().ready[size_t(State().subState)], member);

    // Right moves along the enemies with wrap; decide takes the one under it.
    Press(kDecide);
    ASSERT_EQ(MenuState(), 3);
    const int32_t enemies = static_cast<int32_t>(Battle().candidates.size());
    Press(kRight);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().selection, 1 % enemies);
    Press(kLeft);
    Press(kLeft);
    EXPECT_EQ(State().selection, enemies - 1);
    const int32_t target = Battle().candidates[size_t(enemies - 1)];
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().selection2, target);
    EXPECT_EQ(Battle().units[member].chosenTarget, target);
    EXPECT_FALSE(Battle().units[member].awaitingCommand);
    const bool othersWait = Battle().readyPosition < static_cast<int32_t>(Battle().ready.size());
    EXPECT_EQ(MenuState(), othersWait ? 1 : 0);
    EXPECT_EQ(State().subState, 1);

    FightToTheEnd();
    ASSERT_EQ(MenuState(), 5);
    EXPECT_EQ(Music(), "music\\field1.mid");
    const BattleRecords before = Party().records;
    ConfirmResult();
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(MenuState(), 0);
    EXPECT_TRUE(GameExpedition().message.Empty());
    EXPECT_EQ(Party().records.battles, before.battles + 1);
    EXPECT_EQ(Party().records.wins, before.wins + 1);
    EXPECT_EQ(Party().records.losses, before.losses);
}

TEST_F(BattleScreen, VictoryIgnoresDecideWhileTheResultFadesIn) {
    GoExploring();
    StrongParty(30);
    MeetBattle();
    FightToTheEnd();
    ASSERT_EQ(MenuState(), 5);
    const int32_t gold = Party().gold;
    for (int32_t i = 0; i < 32; ++i) {
        Press(kDecide);
        ASSERT_EQ(Mode(), GameMode::kBattle) << "frame " << i;
    }
    EXPECT_EQ(Party().records.wins, 0);
    Press(kDecide);
    EXPECT_EQ(Mode(), GameMode::kExploration);
    EXPECT_EQ(Party().records.wins, 1);
    EXPECT_EQ(Party().gold, gold);  // the rewards were paid when the battle was won
}

TEST_F(BattleScreen, DefeatLeadsBackToTheTown) {
    GoExploring();
    MeetBattle();
    // Enemies that cannot be worn down against a party on its last legs.
    for (BattleUnit& unit : Battle().units) {
        if (unit.side == UnitSide::kEnemy) unit.hp = unit.maxHp = 1000000;
        else unit.hp = 1;
    }
    FightToTheEnd();
    ASSERT_EQ(MenuState(), 4);
    EXPECT_EQ(Music(), "music\\defeat.mid");
    EXPECT_EQ(Party().records.battles, 0);

    Press(kDecide);  // the fade has only begun
    EXPECT_EQ(Mode(), GameMode::kBattle);
    ConfirmResult();
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    EXPECT_EQ(MenuState(), 0);
    EXPECT_EQ(Music(), "music\\town3.mid");
    EXPECT_EQ(Party().records.battles, 1);
    EXPECT_EQ(Party().records.losses, 1);
    EXPECT_EQ(Party().records.wins, 0);
}

TEST_F(BattleScreen, OneLivingEnemyKeepsTheTargetCursorInPlace) {
    GoExploring();
    MeetBattle();
    const std::vector<int32_t> enemies = Units(UnitSide::kEnemy);
    for (size_t i = 1; i < enemies.size(); ++i) {
        BattleUnit& unit = Battle().units[size_t(enemies[i])];
        unit.hp = 0;
        unit.state = UnitState::kFallen;
    }
    Battle().units[size_t(enemies[0])].hp = Battle().units[size_t(enemies[0])].maxHp = 1000000;
    UntilCommandMenu();
    Press(kDecide);
    ASSERT_EQ(MenuState(), 3);
    ASSERT_EQ(Battle().candidates, std::vector<int32_t>{enemies[0]});
    for (int32_t button : {kRight, kLeft, kLeft}) {
        Press(button);
        EXPECT_EQ(Sound(), "cur");
        EXPECT_EQ(State().selection, 0);
        EXPECT_EQ(MenuState(), 3);
    }
    // Over to the party and back again: only the one enemy is offered.
    Press(kDown);
    Press(kDown);
    EXPECT_EQ(Battle().candidates, std::vector<int32_t>{enemies[0]});
    // Switching side and moving in one frame: the cursor starts afresh, then moves.
    Frame({kUp, kRight});
    EXPECT_EQ(Battle().targetSide, UnitSide::kParty);
    EXPECT_EQ(State().selection, 1 % static_cast<int32_t>(Units(UnitSide::kParty).size()));
}

TEST_F(BattleScreen, ActionOnTheWholePartyNeedsNoTarget) {
    GoExploring();
    // The carried herb, made to heal everyone at once for this expedition.
    CarriedItemSkillTable()[0].targetKind = TargetKind::kAll;
    MeetBattle();
    UntilCommandMenu();
    const int32_t member = Battle().ready[0];
    const int32_t waiting = static_cast<int32_t>(Battle().ready.size());
    Widget(kCommandWidget).Select(Widget(kCommandWidget).Count() - 1);
    ASSERT_EQ(Widget(kCommandWidget).SecondAtCursor(), 700);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(Battle().units[member].pendingAction, 700);
    EXPECT_EQ(Battle().units[member].chosenTarget, kAutoTarget);
    EXPECT_EQ(State().subState, 1);
    EXPECT_EQ(MenuState(), waiting > 1 ? 1 : 0);
    EXPECT_EQ(Widget(kCommandWidget).State(), waiting > 1 ? WidgetState::kActive : WidgetState::kHidden);
}

TEST_F(BattleScreen, FramesThatEndEarlyLeaveTheScreenCounterAlone) {
    GoExploring();
    StrongParty(30);
    MeetBattle();
    Flow().screenCounter.Start(1 << 30, StepCounter::kOnce);
    int32_t earlyFrames = 0;
    for (int32_t i = 0; i < 50000 && MenuState() < 4; ++i) {
        const int32_t before = State().screenCounter.Value();
        const int32_t menuState = MenuState();
        if (menuState == 2 || menuState == 3) Press(kDecide);
        else Frame();
        // Leaving the running state (a member ready, the battle over) ends the frame.
        const bool early = menuState == 0 && MenuState() != 0;
        if (MenuState() == 5) break;
        earlyFrames += early;
        EXPECT_EQ(State().screenCounter.Value(), before + (early ? 0 : 1)) << "frame " << i;
    }
    ASSERT_EQ(MenuState(), 5);
    EXPECT_GT(earlyFrames, 0);
    // The victory restarted the counter and did not advance it.
    EXPECT_TRUE(State().screenCounter.IsRunning());
    EXPECT_EQ(State().screenCounter.Value(), 0);
    Frame();
    EXPECT_EQ(State().screenCounter.Value(), 1);
}

TEST_F(BattleScreen, MemberWithNothingToChoosePassesItsTurn) {
    GoExploring();
    MeetBattle();
    for (int32_t unit : Units(UnitSide::kParty)) Battle().units[size_t(unit)].skills.clear();
    Party().carried.fill(0);
    int32_t asked = 0;
    for (int32_t i = 0; i < 50000 && MenuState() < 4; ++i) {
        ASSERT_NE(MenuState(), 2);
        ASSERT_NE(Widget(kCommandWidget).State(), WidgetState::kActive);
        asked += MenuState() == 1;
        Frame();
    }
    // The turns passed and the battle ran to its end, lost: no one fought.
    EXPECT_GT(asked, 0);
    EXPECT_EQ(MenuState(), 4);
}

TEST_F(BattleScreen, QuestBattlePaysItsRewardOnTheFirstWinOnly) {
    StartNewGame();
    StrongParty(30);
    GameExpedition().hunt[kSlimeQuest] = 1;
    DepartAgain();
    const QuestData& quest = QuestById(kSlimeQuest);
    auto meetQuest = [&] {
        for (int32_t battles = 0; battles < 50; ++battles) {
            MeetBattle();
            if (Battle().quest == kSlimeQuest) return;
            WinBattle();
        }
        FAIL() << "the quest was never met";
    };
    ASSERT_FALSE(quest.rewards.empty());
    const PackedItem reward = quest.rewards.back();
    auto held = [&] { return std::count(Party().inventory.begin(), Party().inventory.end(), reward); };

    meetQuest();
    EXPECT_EQ(Music(), "music\\" + quest.music.ToUtf8());
    // A level is waiting to be reached with this battle's experience.
    Party().expPool = ExpToNext(Party().level) - 1;
    const int32_t level = Party().level;
    FightToTheEnd();
    ASSERT_EQ(MenuState(), 5);
    ASSERT_EQ(Party().pendingLevel, level + 1);
    const int32_t gold = Party().gold;
    const auto heldBefore = held();
    ConfirmResult();
    ASSERT_EQ(Mode(), GameMode::kExploration);
    EXPECT_EQ(Party().gold, gold + quest.rewardGold);
    EXPECT_EQ(held(), heldBefore + 1);
    EXPECT_EQ(GameExpedition().questsDefeated, 1);
    EXPECT_EQ(GameExpedition().clearLevel[kSlimeQuest], level);  // the level it was fought at
    EXPECT_EQ(Party().level, level + 1);
    EXPECT_EQ(GameExpedition().defeatedThisExpedition[kSlimeQuest], 1);

    // Met again on the next expedition, it pays only what the battle pays.
    GoHome();
    DepartAgain();
    meetQuest();
    FightToTheEnd();
    ASSERT_EQ(MenuState(), 5);
    const int32_t goldAgain = Party().gold;
    const auto heldAgain = held();
    ConfirmResult();
    EXPECT_EQ(Party().gold, goldAgain);
    EXPECT_EQ(held(), heldAgain);
    EXPECT_EQ(GameExpedition().questsDefeated, 1);
    EXPECT_EQ(GameExpedition().clearLevel[kSlimeQuest], level);
}

}  // namespace
