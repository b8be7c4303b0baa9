#include "app/ConfigEdit.h"

#include <gtest/gtest.h>

#include "platform/VirtualKeys.h"

namespace {

TEST(ConfigEdit, NamedSettingsChangeTheRightFields) {
    GameConfig c = GameConfig::Defaults();
    std::string error;
    ASSERT_TRUE(ApplySetting(c, "fast-period=5", error)) << error;
    ASSERT_TRUE(ApplySetting(c, "fullscreen=on", error)) << error;
    ASSERT_TRUE(ApplySetting(c, "key.decide=Return", error)) << error;
    ASSERT_TRUE(ApplySetting(c, "key.spare5=none", error)) << error;
    ASSERT_TRUE(ApplySetting(c, "joy.cancel=10", error)) << error;
    ASSERT_TRUE(ApplySetting(c, "width=1280", error)) << error;
    EXPECT_EQ(c.framePeriod[1], 5u);
    EXPECT_EQ(c.fullScreen, 1);
    EXPECT_EQ(c.keys[0], platform::vk::kReturn);
    EXPECT_EQ(c.keys[10], 0u);
    EXPECT_EQ(c.joystickButtons[1], 10u);
    EXPECT_EQ(c.windowWidth, 1280u);
}

TEST(ConfigEdit, BadValuesAreRefusedWithAReason) {
    GameConfig c = GameConfig::Defaults();
    const std::vector<uint8_t> before = c.ToBytes();
    std::string error;
    for (const char* bad : {"joy.decide=11", "key.decide=NoSuchKey", "width=-1", "width=12",
                            "music=maybe", "key.nine=Z", "nonsense", "volume=3",
                            "normal-period=99999999999"}) {
        error.clear();
        EXPECT_FALSE(ApplySetting(c, bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_EQ(c.ToBytes(), before);
}

TEST(ConfigEdit, DescriptionNamesEveryKey) {
    const std::string text = DescribeConfig(GameConfig::Defaults());
    EXPECT_NE(text.find("key.decide=Z\n"), std::string::npos);
    EXPECT_NE(text.find("key.cancel=X\n"), std::string::npos);
    EXPECT_NE(text.find("joy.decide=1\n"), std::string::npos);
    EXPECT_NE(text.find("normal-period=16\n"), std::string::npos);
    // Every key of the table can be named back and forth.
    size_t count = 0;
    const platform::VirtualKey* keys = platform::VirtualKeyTable(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t code = platform::VirtualKeyByName(keys[i].name);
        EXPECT_NE(platform::ScancodeForVirtualKey(code), SDL_SCANCODE_UNKNOWN) << keys[i].name;
    }
}

}  // namespace
