// A damaged configuration must not stall or hide the game: periods of
// minutes and windows of no size fall back, the rest is kept.
#include "app/ConfigRanges.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/FrameStopwatch.h"

namespace {

TEST(ConfigRanges, OutOfRangeFieldsFallBackAndAreNamed) {
    GameConfig c = GameConfig::Defaults();
    c.framePeriod = {0x7FFFFFFF, 1001};
    c.windowWidth = 0;
    c.windowHeight = 70000;
    c.joystickButtons[3] = 0xFFFFFFFF;
    c.keys[0] = 0x12345678;  // names no key: it simply never presses
    std::vector<std::string> notes;
    EXPECT_FALSE(KeepConfigInRange(c, notes));
    const GameConfig d = GameConfig::Defaults();
    EXPECT_EQ(c.framePeriod, d.framePeriod);
    EXPECT_EQ(c.windowWidth, d.windowWidth);
    EXPECT_EQ(c.windowHeight, d.windowHeight);
    EXPECT_EQ(c.joystickButtons[3], 0u);
    EXPECT_EQ(c.keys[0], 0x12345678u);
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[0], "normal-period 2147483647 is out of range; using 16");
}

TEST(ConfigRanges, EdgesOfTheRangesAreKept) {
    GameConfig c = GameConfig::Defaults();
    c.framePeriod = {0, kLongestFramePeriod};
    c.windowWidth = kSmallestWindowSide;
    c.windowHeight = kLargestWindowSide;
    c.joystickButtons[0] = 10;
    const std::vector<uint8_t> before = c.ToBytes();
    std::vector<std::string> notes;
    EXPECT_TRUE(KeepConfigInRange(c, notes));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(c.ToBytes(), before);
}

TEST(ConfigRanges, TheReaderMendsAStallingFileAndSaysWhat) {
    const auto dir = std::filesystem::temp_directory_path() / "config_range_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Data.dat").string();
    GameConfig stalling = GameConfig::Defaults();
    stalling.framePeriod = {600000, 8};  // ten minutes a frame
    stalling.windowWidth = 33;
    const auto bytes = stalling.ToBytes();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    testing::internal::CaptureStderr();
    EXPECT_TRUE(LoadGameConfig(path.c_str()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Config().framePeriod[0], 16u);
    EXPECT_EQ(Config().framePeriod[1], 8u);
    EXPECT_EQ(Config().windowWidth, 640u);
    EXPECT_NE(said.find("normal-period 600000 is out of range"), std::string::npos) << said;
    EXPECT_NE(said.find("width 33"), std::string::npos) << said;
    Config() = GameConfig::Defaults();
    std::filesystem::remove_all(dir);
}

// Found by fuzzing the reader: an empty file, then a frame that the
// stopwatch measured as 2^31 ms or more (signed, that was a sleep of
// weeks, and first an overflow).
TEST(ConfigRanges, PaddingComparesSignedWithoutOverflow) {
    GameConfig c = GameConfig::FromBytes(nullptr, 0);
    std::vector<std::string> notes;
    KeepConfigInRange(c, notes);
    EXPECT_EQ(FramePadding(c.framePeriod[0], 0x80000000u), 0u);
    EXPECT_EQ(FramePadding(0x7FFFFFFFu, 0xFFFFFFFFu), 0u);  // never a sleep past the period
    EXPECT_EQ(FramePadding(0xFFFFFFFFu, 5), 0u);            // a period of -1
    EXPECT_EQ(FramePadding(1000, 400), 600u);
}

}  // namespace
