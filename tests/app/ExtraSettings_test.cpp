#include "app/ExtraSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtraSettings, FileTextRoundTripsAndMissingLinesKeepDefaults) {
    ExtraSettings s;
    s.scaling = ScaleMode::kWholeNumber;
    s.soundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    s.midiOut = 3;
    std::vector<std::string> problems;
    EXPECT_EQ(ParseExtraSettings(FormatExtraSettings(s), problems), s);
    EXPECT_TRUE(problems.empty());

    const ExtraSettings partial = ParseExtraSettings("# mine\r\n  scaling = whole \r\n", problems);
    EXPECT_EQ(partial.scaling, ScaleMode::kWholeNumber);
    EXPECT_EQ(partial.midiOut, -1);
    EXPECT_TRUE(partial.soundFont.empty());
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(ParseExtraSettings("", problems), ExtraSettings{});
}

TEST(ExtraSettings, BadLinesAreSkippedAndNamedTheOthersStillApply) {
    std::vector<std::string> problems;
    const ExtraSettings s = ParseExtraSettings(
        "scaling=huge\nmidi-out=-2\nmidi-out=1x\nvolume=3\nnonsense\nmidi-out=0\nsoundfont=default\n",
        problems);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], "line 1: scaling: use smooth or whole: huge");
    EXPECT_NE(problems[3].find("unknown setting: volume"), std::string::npos);
    EXPECT_EQ(problems[4], "line 5: expected name=value: nonsense");
    EXPECT_EQ(s.scaling, ScaleMode::kSmooth);
    EXPECT_EQ(s.midiOut, 0);
    EXPECT_TRUE(s.soundFont.empty());
    EXPECT_TRUE(IsExtraSettingName("midi-out"));
    EXPECT_FALSE(IsExtraSettingName("width"));
}

}  // namespace
