#include "app/ExtraSettings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "engine/sound/MusicPlayer.h"
#include "sxplay/SxPlay.h"

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

// A chosen MIDI port that is gone and a SoundFont that is not there: both
// are named, and the music falls back to the built-in synthesiser with the
// system's SoundFont.
TEST(MusicOutputChoice, AMissingPortOrSoundFontFallsBackAndIsNamed) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::internal::CaptureStderr();
    ChooseMusicOutput(57, "/nonexistent/none.sf2");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot read the SoundFont /nonexistent/none.sf2"), std::string::npos) << said;
    EXPECT_NE(said.find("MIDI output 57 cannot be opened"), std::string::npos) << said;
    if (access("/usr/share/sounds/sf2/default-GM.sf2", R_OK) == 0 ||
        access("/usr/share/sounds/sf2/TimGM6mb.sf2", R_OK) == 0) {
        EXPECT_TRUE(Music().Open());
        Music().SetEnabled(1);
        EXPECT_FALSE(Music().Play(WString("music\\no such tune.mid")));
        EXPECT_TRUE(Music().Open());
    }
    SXSetSoundFontA(nullptr);
}

}  // namespace
