// The generated pack against what the game opens: every file named by the
// content tables, the screens and start-up exists, and loads through the
// game's own loaders (textures, the WAV reader, the MIDI library).
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "AssetFolder.h"
#include "app/GameConfig.h"
#include "content/ContentPictures.h"
#include "content/MusicFiles.h"
#include "engine/graphics/Texture.h"
#include "engine/sound/Mixer.h"
#include "engine/sound/WavFile.h"
#include "sxplay/core/SongLoader.h"

using namespace assettest;

namespace {

// Every game path the game may open, gathered from the tables and the
// screens independently of the generator's own lists.
std::set<std::string> NamedFiles() {
    BuildTables();
    std::set<std::string> files = {"Config\\Data.dat", "image\\state\\up.bmp", "image\\state\\down.bmp"};
    for (int n = 0; n < 20; ++n) files.insert("image\\back\\" + std::to_string(n) + ".bmp");
    for (int n = 0; n < 30; ++n) files.insert("image\\state\\" + std::to_string(n) + ".bmp");
    for (const char* sound : {"cur", "decide", "cancel", "power21"}) files.insert(std::string("sound\\") + sound + ".wav");
    for (const EnemyData& e : EnemyTable())
        if (!e.picture.Empty()) files.insert("image\\enemy\\" + e.picture.ToUtf8());
    for (const EffectData& e : EffectTable()) {
        if (!e.picture.Empty()) files.insert("image\\effect\\" + e.picture.ToUtf8());
        if (!e.sound.Empty()) files.insert("sound\\" + e.sound.ToUtf8());
    }
    for (const CharacterData& c : CharacterTable())
        if (!c.name.Empty()) files.insert("image\\face\\" + std::to_string(c.faceNumber) + ".bmp");
    for (const AreaData& a : AreaTable()) {
        if (a.name.Empty()) continue;
        files.insert("music\\" + a.fieldMusic.ToUtf8());
        files.insert("music\\" + a.battleMusic.ToUtf8());
    }
    for (const QuestData& q : QuestTable())
        if (!q.title.Empty()) files.insert("music\\" + q.music.ToUtf8());
    for (const char* name : {kTitleMusic, kTownMusic, kDefeatMusic}) files.insert(std::string("music\\") + name);
    for (const char* name : MusicFileNames()) files.insert(std::string("music\\") + name);
    return files;
}

std::vector<std::string> Files(const std::string& folder, const std::string& extension) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(InPack(folder)))
        if (entry.path().extension() == extension) out.push_back(entry.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

// Milliseconds from the start to the loop step, and from there to the end.
std::pair<double, double> LoopTimes(const sx::Song& song) {
    double tempo = song.initialTempo, now = 0, loopAt = 0;
    for (size_t i = 0; i < song.StepCount(); ++i) {
        now += song.stepDelay[i] * tempo;
        if (i == song.loopStep) loopAt = now;
        for (uint32_t k = 0; k < song.stepSize[i]; ++k) {
            const sx::Event& e = song.events[song.stepFirst[i] + k];
            if (e.word == sx::kTempo) tempo = e.tempo;
        }
    }
    return {loopAt, now - loopAt};
}

}  // namespace

TEST(AssetPack, HoldsEveryFileTheGameNames) {
    const std::string& folder = PackFolder();
    const std::set<std::string> named = NamedFiles();
    EXPECT_GT(named.size(), 300u);
    for (const std::string& path : named) EXPECT_TRUE(std::filesystem::is_regular_file(InPack(path))) << path << " is missing";
    // And nothing half-written is left behind.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

TEST(AssetPack, DefaultConfigurationIsWrittenOnceAndKept) {
    std::ifstream in(InPack("Config\\Data.dat"), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, GameConfig::Defaults().ToBytes());

    // A player's settings survive the next build.
    const std::string folder = (std::filesystem::temp_directory_path() / ("asset_config_" + std::to_string(::getpid()))).string();
    bool written = false;
    ASSERT_TRUE(assetgen::WriteDefaultConfig(folder, &written));
    EXPECT_TRUE(written);
    { std::ofstream(assetgen::NativeFile(folder, GameConfig::kPath), std::ios::binary | std::ios::trunc) << "mine"; }
    ASSERT_TRUE(assetgen::WriteDefaultConfig(folder, &written));
    EXPECT_FALSE(written);
    std::ifstream kept(assetgen::NativeFile(folder, GameConfig::kPath));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
    std::filesystem::remove_all(folder);
}

TEST(AssetPack, ContentPicturesLoadThroughTheGame) {
    const std::string& folder = PackFolder();
    HeadlessDevice device;
    if (!device.Ok()) GTEST_SKIP() << "no graphics device; SDL's loader is checked by BitmapsLoadWithSdl";
    InFolder here(folder);
    LoadContentPictures();
    for (const EnemyData& e : EnemyTable()) {
        if (e.picture.Empty()) continue;
        ASSERT_FALSE(e.sprite.Empty()) << e.picture.ToUtf8();
        // Drawn 1.4 times its size with its feet on row 285: it fits above.
        EXPECT_LE(1.4 * e.sprite.ImageSize().h, 285.0) << e.picture.ToUtf8();
        EXPECT_LE(1.4 * e.sprite.ImageSize().w, 640.0) << e.picture.ToUtf8();
    }
    for (const EffectData& e : EffectTable()) {
        if (e.picture.Empty()) continue;
        ASSERT_FALSE(e.sprite.Empty()) << e.picture.ToUtf8();
        const Size size = e.sprite.ImageSize();
        EXPECT_EQ(size.w % e.columns, 0) << e.picture.ToUtf8();
        EXPECT_EQ(size.h % e.rows, 0) << e.picture.ToUtf8();
        EXPECT_EQ(size.w / e.columns, 96) << e.picture.ToUtf8();
        EXPECT_EQ(size.h / e.rows, 96) << e.picture.ToUtf8();
    }
    for (const CharacterData& c : CharacterTable()) {
        if (c.name.Empty()) continue;
        ASSERT_FALSE(c.face.Empty()) << c.faceNumber;
        EXPECT_EQ(c.face.ImageSize(), (Size{128, 128}));
    }
    ReleaseContentPictures();
}

TEST(AssetPack, ScreenPicturesLoadAndKeyTheirCorners) {
    HeadlessDevice device;
    if (!device.Ok()) GTEST_SKIP() << "no graphics device";
    InFolder here(PackFolder());
    for (int n = 0; n < 20; ++n) {
        Texture back;
        ASSERT_TRUE(back.Load(WString(("image\\back\\" + std::to_string(n) + ".bmp").c_str()))) << n;
        EXPECT_EQ(back.ImageSize(), (Size{640, 480}));
    }
    // Icons, marks and enemies are drawn colour-keyed: the corner becomes
    // transparent and the figure stays.
    std::vector<std::string> keyed = {"image\\state\\up.bmp", "image\\state\\down.bmp"};
    for (int n = 0; n < 30; ++n) keyed.push_back("image\\state\\" + std::to_string(n) + ".bmp");
    for (const EnemyData& e : EnemyTable())
        if (!e.picture.Empty()) keyed.push_back("image\\enemy\\" + e.picture.ToUtf8());
    for (const std::string& path : keyed) {
        Texture t;
        ASSERT_TRUE(t.Load(WString(path.c_str()))) << path;
        ASSERT_TRUE(t.ApplyColorKey());
        int32_t pitch = 0;
        const uint32_t* pixels = t.Lock(&pitch);
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(pixels[0] >> 24, 0u) << path;
        size_t opaque = 0;
        for (int32_t y = 0; y < t.ImageSize().h; ++y)
            for (int32_t x = 0; x < t.ImageSize().w; ++x) opaque += (pixels[size_t(y) * pitch + x] >> 24) == 255;
        EXPECT_GT(opaque, size_t(t.ImageSize().w * t.ImageSize().h / 10)) << path;
        t.Unlock();
    }
}

TEST(AssetPack, BitmapsLoadWithSdl) {
    const std::vector<std::string> bitmaps = Files("image", ".bmp");
    EXPECT_GT(bitmaps.size(), 250u);
    for (const std::string& path : bitmaps) {
        SDL_Surface* s = IMG_Load(path.c_str());
        ASSERT_NE(s, nullptr) << path << ": " << SDL_GetError();
        EXPECT_GT(s->w, 0);
        SDL_FreeSurface(s);
    }
}

TEST(AssetPack, SoundsParseAsPlayablePcm) {
    const std::vector<std::string> sounds = Files("sound", ".wav");
    EXPECT_GE(sounds.size(), 40u);
    for (const std::string& path : sounds) {
        WavSound wav;
        ASSERT_TRUE(ReadWavFile(path, wav)) << path;
        EXPECT_EQ(wav.format.formatTag, 1) << path;
        EXPECT_TRUE(IsPlayable(wav.format)) << path;
        EXPECT_GT(wav.data.size(), 2000u) << path;
    }
}

TEST(AssetPack, TunesLoadThroughTheMidiLibraryAndLoopAfterAnIntro) {
    const std::vector<std::string> tunes = Files("music", ".mid");
    EXPECT_GE(tunes.size(), MusicFileNames().size());
    for (const std::string& path : tunes) {
        sx::Song song;
        ASSERT_EQ(sx::LoadSongFromFile(path, song), 0) << path;
        EXPECT_GT(song.loopStep, 0u) << path << ": no loop marker after an intro";
        EXPECT_GT(song.loopTempo, 0.0) << path;
        const auto [intro, body] = LoopTimes(song);
        EXPECT_GT(intro, 1000.0) << path;
        EXPECT_GE(body, 30000.0) << path << ": loops after " << body << " ms";
        // Format 1 with several parts, and a tempo.
        std::ifstream in(path, std::ios::binary);
        std::vector<uint8_t> head(12);
        in.read(reinterpret_cast<char*>(head.data()), 12);
        EXPECT_EQ(head[9], 1) << path;
        EXPECT_GE(head[11], 4) << path;
        EXPECT_NE(song.initialTempo, 0.0);
    }
}

TEST(AssetPack, GenerationIsDeterministic) {
    BuildTables();
    const std::vector<assetgen::AssetJob> jobs = assetgen::AssetJobs();
    // One of each kind: the same bytes from a second run.
    std::set<std::string> kinds;
    for (const assetgen::AssetJob& job : jobs) {
        const std::string kind = job.path.substr(0, job.path.rfind('\\'));
        if (!kinds.insert(kind).second) continue;
        std::ifstream in(InPack(job.path), std::ios::binary);
        const std::vector<uint8_t> first{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(assetgen::RunJob(job), first) << job.path;
    }
    EXPECT_GE(kinds.size(), 7u);
}
