// The SoundFont a program chooses is loaded before the system's, and a
// choice that cannot be used leaves the music playing on the defaults.
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "sxplay/SxPlay.h"
#include "sxplay/core/Synth.h"

namespace {

constexpr const char* kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

TEST(SoundFontChoice, ChosenFileComesFirstAndTheDefaultsStayBehindIt) {
    if (access(kSmallFont, R_OK) != 0) GTEST_SKIP() << kSmallFont << " is not installed";
    const std::vector<std::string> defaults = sx::SoundFontCandidates();
    sx::ChooseSoundFont(kSmallFont);
    std::vector<std::string> chosen = sx::SoundFontCandidates();
    ASSERT_EQ(chosen.size(), defaults.size() + 1);
    EXPECT_EQ(chosen.front(), kSmallFont);
    EXPECT_EQ(std::vector<std::string>(chosen.begin() + 1, chosen.end()), defaults);
    const std::unique_ptr<sx::Synth> synth = sx::Synth::Create(44100);
    ASSERT_NE(synth, nullptr);
    EXPECT_EQ(synth->SoundFontPath(), kSmallFont);

    // A file that is no SoundFont is skipped at load time.
    sx::ChooseSoundFont("/etc/hostname");
    const std::unique_ptr<sx::Synth> fallback = sx::Synth::Create(44100);
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->SoundFontPath(), defaults.front());
    sx::ChooseSoundFont("");
    EXPECT_EQ(sx::SoundFontCandidates(), defaults);
}

TEST(SoundFontChoice, ExportRefusesUnreadableFilesAndForgetsOnNull) {
    if (access(kSmallFont, R_OK) != 0) GTEST_SKIP() << kSmallFont << " is not installed";
    EXPECT_EQ(SXSetSoundFontA("/no/such/font.sf2"), 4);
    EXPECT_EQ(SXSetSoundFontA(kSmallFont), 0);
    EXPECT_EQ(SXSetSoundFontA(nullptr), 0);
    EXPECT_EQ(SXSetSoundFontA(""), 0);
}

}  // namespace
