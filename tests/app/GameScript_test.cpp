// The script runner: its lines, and a short script played on the real game.
#include "app/GameScript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/GameMain.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "rules/PartyState.h"

namespace {

TEST(GameScriptLines, ButtonsWaitsUntilsShotsAndSetUps) {
    ScriptLine line;
    std::string error;
    ASSERT_TRUE(ParseScriptLine("down 3   # three rows", line, error));
    EXPECT_EQ(line.command, "down");
    EXPECT_EQ(line.count, 3);
    ASSERT_TRUE(ParseScriptLine("   ", line, error));
    EXPECT_TRUE(line.command.empty());
    ASSERT_TRUE(ParseScriptLine("until 4 up 200", line, error));
    EXPECT_EQ(line.mode, 4);
    EXPECT_EQ(line.button, "up");
    EXPECT_EQ(line.count, 200);
    ASSERT_TRUE(ParseScriptLine("until 4:2 wait 300", line, error));
    EXPECT_EQ(line.button, "wait");
    ASSERT_TRUE(ParseScriptLine("until 4:5 decide", line, error));
    EXPECT_EQ(line.mode, 4);
    EXPECT_EQ(line.menu, 5);
    ASSERT_TRUE(ParseScriptLine("give 561 80 2", line, error));
    EXPECT_EQ(line.args, (std::vector<int32_t>{561, 80, 2}));
    ASSERT_TRUE(ParseScriptLine("shot town", line, error));
    EXPECT_EQ(line.name, "town");

    for (const char* bad : {"jump", "down x", "down 3 4", "until up", "until 4 fly", "until 4: up", "until 4:x up", "shot",
                            "give 561", "gold 1 2", "gold many", "wait -1"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseScriptLine(bad, line, error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(ScriptButton("pagedown"), kPageDown);
    EXPECT_EQ(ScriptButton("Decide"), -1);
}

// A scratch game folder that shares the generated assets.
std::filesystem::path ScratchGame() {
    const std::filesystem::path game = std::getenv("GAME_DIR");
    char pattern[] = "/tmp/script-test-XXXXXX";
    const std::filesystem::path folder = mkdtemp(pattern);
    for (const char* entry : {"image", "sound", "music", "Config"})
        std::filesystem::create_directory_symlink(game / entry, folder / entry);
    return folder;
}

TEST(GameScriptRun, PlaysTheRealGameAndStopsAtAFailedLine) {
    const std::filesystem::path folder = ScratchGame();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    ASSERT_TRUE(StartGame());

    std::istringstream script(
        "decide\n"
        "gold 777\n"
        "down\n"
        "decide\n"
        "shot shop\n"
        "until 2 cancel 3\n");
    std::ostringstream out;
    ScriptRun run;
    run.shotFolder = folder.string();
    EXPECT_EQ(RunGameScript(script, out, run), 1);
    const std::string text = out.str();
    EXPECT_NE(text.find("1: decide -> modes [0 1] menu 0"), std::string::npos) << text;
    EXPECT_NE(text.find("4: decide -> modes [0 1] menu 1 sub 0 sel 0/0 tab 0 widget 14"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("6: until 2 cancel 3 -> error: mode 2 not reached"), std::string::npos)
        << text;
    EXPECT_EQ(GameParty().gold, 777);
    EXPECT_TRUE(std::filesystem::exists(folder / "shop.png"));

    ShutdownGame();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
}

}  // namespace
