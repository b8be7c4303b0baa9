// The whole player on the real game: a new game, one expedition with a won
// battle, home again, within a frame budget and the same for the same seed.
#include "tools/autoplay/AutoPlayer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "content/Characters.h"
#include "content/ContentDatabase.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"
#include "flow/GameFlow.h"
#include "flow/SaveSlots.h"
#include "flow/WidgetSetUp.h"
#include "flow/screens/Town.h"

namespace {

struct RunResult {
    bool ok = false;
    std::string fault;
    int64_t frames = 0;
    int64_t wins = 0;
    int32_t reloads = 0;
    int32_t gold = 0;
    int32_t level = 0;
    int32_t mode = -1;
    int32_t menu = -1;
    std::string log;
};

// A fresh game state in a scratch folder, as the program starts.
class AutoPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool built = [] {
            FillSineTable();
            BuildContentTables();
            BuildLateContentTables();
            return true;
        }();
        (void)built;
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/autoplay-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ / "save");
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
        Reset(1);
    }

    static void Reset(uint32_t seed) {
        GameParty() = PartyState{};
        GameExpedition() = ExpeditionState{};
        GameBattle() = BattleState{};
        BuildCharacters();
        Flow() = GameFlow{};
        SetUpWidgets();
        Flow().modeStack = {GameMode::kTitle};
        SlotSummaries() = {};
        LastUsedSlot() = 0;
        SeedRandom(seed);
    }

    static RunResult Play(const AutoplayOptions& options) {
        Reset(options.seed);
        std::ostringstream log;
        AutoPlayer player(options, log);
        RunResult result;
        result.ok = player.Run();
        result.fault = player.Fault();
        result.frames = player.Driver().Frames();
        result.wins = player.Record().wins;
        result.reloads = player.Record().reloads;
        result.gold = GameParty().gold;
        result.level = GameParty().level;
        result.mode = CurrentMode();
        result.menu = Flow().menuState;
        result.log = log.str();
        return result;
    }

    std::filesystem::path folder_, previous_;
};

TEST_F(AutoPlayerTest, WinsABattleAndComesHomeTheSameWayEachTime) {
    AutoplayOptions options;
    options.seed = 7;
    options.maxExpeditions = 1;
    const RunResult first = Play(options);
    ASSERT_TRUE(first.ok) << first.fault;
    EXPECT_GE(first.wins, 1);
    EXPECT_EQ(first.mode, GameMode::kTown);
    EXPECT_EQ(first.menu, TownState::kMenu);
    EXPECT_LT(first.frames, 20'000);
    EXPECT_NE(first.log.find("#1 "), std::string::npos);

    const RunResult again = Play(options);
    EXPECT_EQ(again.frames, first.frames);
    EXPECT_EQ(again.gold, first.gold);
    EXPECT_EQ(again.log, first.log);
}

TEST_F(AutoPlayerTest, SavesAndLoadsWithoutLosingAnything) {
    AutoplayOptions options;
    options.seed = 3;
    options.maxExpeditions = 6;
    options.saveEvery = 2;
    options.reloadEvery = 1;
    const RunResult result = Play(options);
    ASSERT_TRUE(result.ok) << result.fault;
    EXPECT_GE(result.reloads, 2);
    EXPECT_EQ(result.mode, GameMode::kTown);
}

TEST_F(AutoPlayerTest, StopsAtTheFrameBudget) {
    AutoplayOptions options;
    options.seed = 5;
    options.maxFrames = 3'000;
    const RunResult result = Play(options);
    ASSERT_TRUE(result.ok) << result.fault;
    // The expedition under way when the budget ran out still comes home.
    EXPECT_GE(result.frames, 3'000);
    EXPECT_LT(result.frames, 3'000 + 20'000);
    EXPECT_EQ(result.mode, GameMode::kTown);
}

}  // namespace
