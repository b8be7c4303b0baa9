#include "app/GameConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/FrameStopwatch.h"

namespace {

TEST(GameConfig, LittleEndianLayoutRoundTrips) {
    GameConfig c = GameConfig::Defaults();
    c.framePeriod = {0x01020304, 7};
    c.fullScreen = 1;
    c.windowWidth = 1280;
    c.keys[10] = 0xAABBCCDD;
    c.joystickButtons[0] = 9;
    const std::vector<uint8_t> raw = c.ToBytes();
    ASSERT_EQ(raw.size(), 108u);
    EXPECT_EQ(raw[0], 0x04);
    EXPECT_EQ(raw[3], 0x01);
    EXPECT_EQ(raw[8], 1);
    EXPECT_EQ(raw[12], 1280 & 0xFF);
    EXPECT_EQ(raw[60], 0xDD);  // key 10 at 20 + 40
    EXPECT_EQ(raw[64], 9);
    const GameConfig back = GameConfig::FromBytes(raw.data(), raw.size());
    EXPECT_EQ(back.ToBytes(), raw);
}

TEST(GameConfig, ShortDataReadsAsZeroBeyondItsEnd) {
    const uint8_t raw[10] = {16, 0, 0, 0, 8, 0, 0, 0, 1, 1};
    const GameConfig c = GameConfig::FromBytes(raw, sizeof raw);
    EXPECT_EQ(c.framePeriod[0], 16u);
    EXPECT_EQ(c.musicEnabled, 1);
    EXPECT_EQ(c.soundEnabled, 0);
    EXPECT_EQ(c.windowWidth, 0u);
}

TEST(GameConfig, MissingOrShortFileFallsBackToDefaults) {
    const auto dir = std::filesystem::temp_directory_path() / "config_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Data.dat").string();
    std::filesystem::remove(path);
    Config().windowWidth = 1;
    EXPECT_FALSE(LoadGameConfig(path.c_str()));
    EXPECT_EQ(Config().ToBytes(), GameConfig::Defaults().ToBytes());

    std::ofstream(path, std::ios::binary) << std::string(50, '\x01');
    EXPECT_FALSE(LoadGameConfig(path.c_str()));
    EXPECT_EQ(Config().windowWidth, 640u);

    GameConfig custom = GameConfig::Defaults();
    custom.framePeriod = {33, 11};
    const auto bytes = custom.ToBytes();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(LoadGameConfig(path.c_str()));
    EXPECT_EQ(Config().framePeriod[1], 11u);
    std::filesystem::remove_all(dir);
}

TEST(FramePacing, SleepsTheRestOfThePeriodOnly) {
    EXPECT_EQ(FramePadding(16, 5), 11u);
    EXPECT_EQ(FramePadding(16, 16), 0u);
    EXPECT_EQ(FramePadding(16, 40), 0u);
    EXPECT_EQ(FramePadding(0, 0), 0u);
    // The comparison is signed: a huge period from a broken file is not a
    // huge sleep once the frame ran past it as a signed value.
    EXPECT_EQ(FramePadding(0x80000000u, 5), 0u);
}

TEST(FramePacing, StopwatchAccumulatesAcrossClockWrap) {
    FrameStopwatch w;
    w.Reset();
    w.Start(0xFFFFFFF0u);
    EXPECT_EQ(w.Elapsed(0x00000010u), 0x20u);
    w.Stop(0x00000005u);
    EXPECT_EQ(w.Elapsed(12345), 0x15u);
    w.Start(100);
    w.Stop(110);
    EXPECT_EQ(w.Elapsed(0), 0x15u + 10u);
    w.Reset();
    EXPECT_EQ(w.Elapsed(999), 0u);
}

}  // namespace
