// The real start-up in a folder without the game's pictures, sounds and
// tunes and with a configuration cut short: the game starts, plays and
// tells on the title what it is doing without.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>
#include <fstream>

#include "app/GameMain.h"
#include "engine/input/Input.h"
#include "engine/notice/Missing.h"
#include "flow/GameFlow.h"

namespace {

namespace fs = std::filesystem;

uint32_t g_clock = 0;
uint32_t Clock() { return g_clock += 16; }

TEST(GameWithoutPieces, StartsPlaysAndNamesWhatIsMissing) {
    char pattern[] = "/tmp/bare-game-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path folder = pattern;
    fs::create_directories(folder / "Config");
    std::ofstream(folder / "Config" / "Data.dat", std::ios::binary) << "\x10\0\0\0";
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    ResetMissingReports();

    testing::internal::CaptureStderr();
    ASSERT_TRUE(StartGame());
    int32_t held = -1;
    Input().keyboard.SetSource([&](uint32_t code) {
        return held >= 0 && static_cast<int32_t>(code) == Input().keyboard.Codes()[size_t(held)];
    });
    for (int frame = 0; frame < 40; ++frame) {
        held = frame == 20 ? kDecide : -1;  // "はじめから"
        RunFrame(Clock);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(CurrentMode(), GameMode::kTown);
    EXPECT_GT(MissingCount(MissingKind::kPicture), 10);
    // Every missing picture was counted, one was named.
    EXPECT_NE(said.find("image/"), std::string::npos);
    EXPECT_EQ(said.find("image/", said.find("image/") + 1), std::string::npos) << said;
    // The decide sound is missing too (or there is no device to play it).
    EXPECT_GT(MissingCount(MissingKind::kSound) + MissingCount(MissingKind::kSoundDevice), 0);
    // The title's tune is missing (or there is no output to play it on).
    EXPECT_GT(MissingCount(MissingKind::kTune) + MissingCount(MissingKind::kMusicOutput), 0);
    const std::vector<WString> notices = MissingNotices();
    // Whether a sound device comes first depends on the machine.
    bool picturesNamed = false;
    for (const WString& notice : notices) picturesNamed |= notice.ToUtf8() == "画像ファイルが足りません";
    EXPECT_TRUE(picturesNamed);

    ShutdownGame();
    Input().keyboard.SetSource({});
    fs::current_path(previous);
    fs::remove_all(folder);
    ResetMissingReports();
}

}  // namespace
