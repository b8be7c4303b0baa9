// Pieces the game does without: each kind is said once on standard error,
// the player's kinds become title lines, and the loaders that meet a missing
// or broken file carry on with nothing instead.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/GameFont.h"
#include "GraphicsFixture.h"
#include "SoundWavBuilder.h"
#include "engine/font/FontFace.h"
#include "engine/font/TextRenderer.h"
#include "engine/notice/Missing.h"
#include "engine/notice/PictureFiles.h"
#include "engine/sound/MusicPlayer.h"
#include "engine/sound/SoundPlayer.h"

namespace {

namespace fs = std::filesystem;

class MissingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetMissingReports(); }
    void TearDown() override { ResetMissingReports(); }
};

TEST_F(MissingTest, EachKindIsToldOnceAndCountedAfter) {
    testing::internal::CaptureStderr();
    ReportMissing(MissingKind::kPicture, "image/enemy/a.bmp");
    ReportMissing(MissingKind::kPicture, "image/enemy/b.bmp");
    ReportMissing(MissingKind::kSound, "sound/cur.wav");
    ReportMissing(MissingKind::kSoundDevice, "");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("image/enemy/a.bmp"), std::string::npos);
    EXPECT_EQ(said.find("image/enemy/b.bmp"), std::string::npos);
    EXPECT_NE(said.find("sound/cur.wav"), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 3);
    EXPECT_EQ(MissingCount(MissingKind::kPicture), 2);
    EXPECT_EQ(MissingCount(MissingKind::kTune), 0);

    // A missing effect is not worth a title line; a missing picture and the
    // silent game are, in the order they came up.
    const std::vector<WString> lines = MissingNotices();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].ToUtf8(), "画像ファイルが足りません");
    EXPECT_EQ(lines[1].ToUtf8(), "サウンドデバイスがないため効果音は鳴りません");
}

// A fontconfig set-up that knows only the fonts of one folder.
class FontFolder {
public:
    explicit FontFolder(const fs::path& fonts) {
        folder_ = fs::path(testing::TempDir()) / ("fonts-" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "cache");
        const fs::path conf = folder_ / "fonts.conf";
        std::ofstream(conf) << "<?xml version=\"1.0\"?><fontconfig><dir>" << fonts.string()
                            << "</dir><cachedir>" << (folder_ / "cache").string()
                            << "</cachedir></fontconfig>";
        const char* old = std::getenv("FONTCONFIG_FILE");
        had_ = old != nullptr;
        if (had_) old_ = old;
        setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    }
    ~FontFolder() {
        if (had_) {
            setenv("FONTCONFIG_FILE", old_.c_str(), 1);
        } else {
            unsetenv("FONTCONFIG_FILE");
        }
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    const fs::path& Path() const { return folder_; }

private:
    fs::path folder_;
    bool had_ = false;
    std::string old_;
};

TEST_F(MissingTest, WithoutAJapaneseFontAnyFontStandsInAndItIsSaidOnce) {
    const fs::path latin = "/usr/share/fonts/truetype/dejavu";
    if (!fs::exists(latin / "DejaVuSans.ttf")) GTEST_SKIP() << "needs the DejaVu fonts";
    FontFolder only(latin);
    testing::internal::CaptureStderr();
    font::FontFace face;
    ASSERT_TRUE(face.Open(GameFont()));
    ASSERT_TRUE(face.Open(GameFont()));  // again, as a new font would be made
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(face.File().find("DejaVu"), std::string::npos);
    EXPECT_EQ(MissingCount(MissingKind::kJapaneseFont), 2);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    font::GlyphBitmap bitmap;
    EXPECT_TRUE(face.Rasterise(u'A', bitmap));
    EXPECT_FALSE(face.Rasterise(u'あ', bitmap));  // drawn as a blank, not a crash
}

TEST_F(MissingTest, AFontFileThatWillNotOpenGivesWayToTheNext) {
    const fs::path latin = "/usr/share/fonts/truetype/dejavu";
    if (!fs::exists(latin / "DejaVuSans.ttf")) GTEST_SKIP() << "needs the DejaVu fonts";
    // A folder with one good face and a broken one that claims a Japanese
    // name and so would be picked first if it were a font at all.
    const fs::path fonts = fs::path(testing::TempDir()) / ("broken-fonts-" + std::to_string(::getpid()));
    fs::create_directories(fonts);
    fs::copy_file(latin / "DejaVuSans.ttf", fonts / "DejaVuSans.ttf", fs::copy_options::overwrite_existing);
    std::ofstream(fonts / "ipag.ttf", std::ios::binary) << "not a font";
    FontFolder only(fonts);
    font::FontFace face;
    EXPECT_TRUE(face.Open(GameFont()));
    EXPECT_NE(face.File().find("DejaVuSans"), std::string::npos);
    fs::remove_all(fonts);
}

TEST_F(MissingTest, WithNoFontAtAllTextLaysOutButDrawsNothing) {
    const fs::path empty = fs::path(testing::TempDir()) / ("no-fonts-" + std::to_string(::getpid()));
    fs::create_directories(empty);
    FontFolder none(empty);
    testing::internal::CaptureStderr();
    font::FontFace face;
    EXPECT_FALSE(face.Open(GameFont()));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(MissingCount(MissingKind::kFont), 1);
    font::GlyphBitmap bitmap;
    EXPECT_FALSE(face.Rasterise(u'A', bitmap));
    fs::remove_all(empty);
}

TEST_F(MissingTest, EffectsThatAreMissingOrBrokenStaySilent) {
    const std::string broken = testing::TempDir() + "broken-effect.wav";
    std::ofstream(broken, std::ios::binary) << "RIFF\x04\0\0\0WAVE";
    const std::string unplayable = testing::TempDir() + "odd-effect.wav";
    soundtest::WavSpec odd;
    odd.bits = 24;  // read, but nothing the mixer plays
    const std::vector<uint8_t> bytes = soundtest::Wav(odd, soundtest::Pcm16({1, 2, 3}));
    std::ofstream(unplayable, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));

    SoundPlayer player;
    player.SetEnabled(1);
    ASSERT_TRUE(player.Init(nullptr));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(player.Play(WString("sound\\nothing here.wav")));
    EXPECT_FALSE(player.Play(WString(broken.c_str())));
    EXPECT_FALSE(player.Play(WString(unplayable.c_str())));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(MissingCount(MissingKind::kSound), 3);
    EXPECT_NE(said.find("sound/nothing here.wav"), std::string::npos);
    EXPECT_EQ(MissingCount(MissingKind::kSoundDevice), 0);
}

TEST_F(MissingTest, WithoutASoundDeviceInitFailsOnceAndTheGameIsSilent) {
    // The driver is chosen when audio starts: only a process that has not
    // started it yet can do without (CTest runs each case on its own).
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0) GTEST_SKIP() << "audio already started in this process";
    const std::string before = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    SoundPlayer player;
    player.SetEnabled(1);
    EXPECT_FALSE(player.Init(nullptr));
    EXPECT_FALSE(player.Play(WString("sound\\cur.wav")));
    testing::internal::GetCapturedStderr();
    setenv("SDL_AUDIODRIVER", before.c_str(), 1);
    EXPECT_EQ(MissingCount(MissingKind::kSoundDevice), 1);
    EXPECT_EQ(MissingCount(MissingKind::kSound), 0);  // no device: files are not even read
}

// A MIDI library whose device will not open (no sound device, no
// SoundFont, no port), or whose songs will not load.
int32_t g_openResult = 0;
int32_t g_loadResult = 0;
const MusicLibrary kFailing{[](int32_t, pthread_t*) { return g_openResult; },
                            [] { return int32_t(0); },
                            [](const char16_t*) { return g_loadResult; },
                            [] { return int32_t(0); }, [] { return int32_t(0); }};

TEST_F(MissingTest, WithoutAMusicOutputTheGamePlaysOnAndSaysSoWhenMusicIsWanted) {
    g_openResult = 10;
    MusicPlayer music(kFailing);
    EXPECT_FALSE(music.Open());
    EXPECT_FALSE(music.Play(WString("music\\town3.mid")));  // switched off: nothing said
    EXPECT_EQ(MissingCount(MissingKind::kMusicOutput), 0);
    music.SetEnabled(1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(music.Play(WString("music\\town3.mid")));
    EXPECT_FALSE(music.Play(WString("music\\dungeon.mid")));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(MissingCount(MissingKind::kMusicOutput), 2);
    EXPECT_EQ(MissingCount(MissingKind::kTune), 0);
    g_openResult = 0;
}

TEST_F(MissingTest, MissingOrBrokenTunesAreNamedAndTheNextTuneStillPlays) {
    g_openResult = 0;
    g_loadResult = 22;  // malformed
    MusicPlayer music(kFailing);
    music.SetEnabled(1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(music.Play(WString("music\\broken.mid")));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("music/broken.mid"), std::string::npos);
    g_loadResult = 0;
    EXPECT_TRUE(music.Play(WString("music\\town3.mid")));
    EXPECT_EQ(MissingCount(MissingKind::kTune), 1);
}

using MissingPictureTest = GraphicsTest;

TEST_F(MissingPictureTest, MissingAndBrokenPicturesAreLeftEmptyAndReported) {
    ResetMissingReports();
    testing::internal::CaptureStderr();
    Texture missing;
    EXPECT_FALSE(LoadGamePicture(missing, WString("image\\enemy\\nobody.bmp")));
    EXPECT_TRUE(missing.Empty());
    const std::string broken = (folder_ / "broken.bmp").string();
    std::ofstream(broken, std::ios::binary) << "BM not really a picture";
    Texture bad;
    EXPECT_FALSE(LoadGamePicture(bad, WString(broken.c_str())));
    EXPECT_TRUE(bad.Empty());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(MissingCount(MissingKind::kPicture), 2);
    EXPECT_NE(said.find("image/enemy/nobody.bmp"), std::string::npos);
    // Drawing what is not there draws nothing.
    EXPECT_FALSE(Graphics().DrawCell({0, 0}, missing, 0));

    const WString good = WritePicture("good.bmp", 2, 2, {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF});
    Texture fine;
    EXPECT_TRUE(LoadGamePicture(fine, good, {2, 1}));
    EXPECT_EQ(MissingCount(MissingKind::kPicture), 2);
    ResetMissingReports();
}

TEST(MissingPictureWithoutDevice, NothingIsReportedWhereNothingCouldLoad) {
    ResetMissingReports();
    Texture t;
    EXPECT_FALSE(LoadGamePicture(t, WString("image\\back\\0.bmp")));
    EXPECT_EQ(MissingCount(MissingKind::kPicture), 0);
}

}  // namespace
