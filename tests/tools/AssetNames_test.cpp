// What the generator reads from the content tables: which files to write,
// at which sizes and grids, and what each tune is for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "AssetFolder.h"
#include "content/MusicFiles.h"
#include "tools/asset-gen/AssetNames.h"

using namespace assetgen;
using namespace assettest;

TEST(AssetNames, PicturesOncePerFileWithTheirLargestScaleAndFirstGrid) {
    BuildTables();
    std::map<std::string, double> largest;
    for (const EnemyData& e : EnemyTable())
        if (!e.picture.Empty()) largest[e.picture.ToUtf8()] = std::max(largest[e.picture.ToUtf8()], e.scale);
    const std::vector<EnemyPicture> enemies = EnemyPictures();
    ASSERT_EQ(enemies.size(), largest.size());
    for (const EnemyPicture& e : enemies) EXPECT_DOUBLE_EQ(e.largestScale, largest[e.name]) << e.name;

    std::map<std::string, std::pair<int, int>> first;
    for (const EffectData& e : EffectTable())
        if (!e.picture.Empty()) first.emplace(e.picture.ToUtf8(), std::pair{e.columns, e.rows});
    const std::vector<EffectPicture> effects = EffectPictures();
    ASSERT_EQ(effects.size(), first.size());
    for (const EffectPicture& e : effects) EXPECT_EQ(std::pair(e.columns, e.rows), first[e.name]) << e.name;

    std::set<int> faces;
    for (const FacePicture& f : FacePictures()) {
        EXPECT_TRUE(faces.insert(f.faceNumber).second);
        EXPECT_EQ(CharacterTable()[size_t(f.character)].faceNumber, f.faceNumber);
    }
    for (int b : AreaBackgrounds()) EXPECT_TRUE(b >= 0 && b < 20) << b;
}

TEST(AssetNames, SoundsStartWithTheScreensAndNameEachFileOnce) {
    BuildTables();
    const std::vector<std::string> sounds = SoundFiles();
    ASSERT_GE(sounds.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(sounds.begin(), sounds.begin() + 4), (std::vector<std::string>{"cur.wav", "decide.wav", "cancel.wav", "power21.wav"}));
    EXPECT_EQ(std::set<std::string>(sounds.begin(), sounds.end()).size(), sounds.size());
    for (const EffectData& e : EffectTable())
        if (!e.sound.Empty()) {
            EXPECT_NE(std::find(sounds.begin(), sounds.end(), e.sound.ToUtf8()), sounds.end());
        }
}

TEST(AssetNames, TunesKnowTheirRoleAndHowHardTheirPlacesAre) {
    BuildTables();
    std::map<std::string, MusicUse> uses;
    for (const MusicUse& u : MusicUses()) EXPECT_TRUE(uses.emplace(u.name, u).second) << u.name << " twice";
    EXPECT_EQ(uses.at(kTitleMusic).role, MusicRole::kTitle);
    EXPECT_EQ(uses.at(kTownMusic).role, MusicRole::kTown);
    EXPECT_EQ(uses.at(kDefeatMusic).role, MusicRole::kDefeat);
    for (const char* name : MusicFileNames()) EXPECT_TRUE(uses.contains(name)) << name;
    // Areas deeper in the list have harder music.
    double previousField = -1, previousBattle = -1;
    for (const AreaData& a : AreaTable()) {
        if (a.name.Empty()) continue;
        const MusicUse& field = uses.at(a.fieldMusic.ToUtf8());
        const MusicUse& battle = uses.at(a.battleMusic.ToUtf8());
        EXPECT_EQ(field.role, MusicRole::kField);
        EXPECT_GE(field.intensity, previousField);
        EXPECT_GE(battle.intensity, previousBattle);
        previousField = field.intensity, previousBattle = battle.intensity;
    }
    // Quest tunes are boss tunes, the one for the hardest quest at the top.
    double hardest = 0;
    std::string hardestTune;
    for (const QuestData& q : QuestTable()) {
        if (q.title.Empty()) continue;
        EXPECT_EQ(uses.at(q.music.ToUtf8()).role, MusicRole::kBoss) << q.music.ToUtf8();
        if (q.recommendedLevel > hardest) hardest = q.recommendedLevel, hardestTune = q.music.ToUtf8();
    }
    EXPECT_DOUBLE_EQ(uses.at(hardestTune).intensity, 1.0);
}

TEST(AssetPackWriter, ReportsFilesItCannotWrite) {
    // A file where the folder should be: nothing can be written under it.
    const std::string blocked = (std::filesystem::temp_directory_path() / ("asset_blocked_" + std::to_string(::getpid()))).string();
    { std::ofstream(blocked) << "not a folder"; }
    std::vector<AssetJob> jobs = {{"sound\\a.wav", {}, false, [] { return std::vector<uint8_t>{1, 2, 3}; }},
                                  {"music\\b.mid", {}, false, [] { return std::vector<uint8_t>{4}; }}};
    const PackReport report = WriteAssetPack(blocked, jobs, 2);
    EXPECT_EQ(report.files, 0u);
    EXPECT_EQ(report.failures, (std::vector<std::string>{"music\\b.mid", "sound\\a.wav"}));
    std::filesystem::remove(blocked);
    // Backslash paths become folders.
    EXPECT_EQ(NativeFile("/x", "image\\back\\0.bmp"), "/x/image/back/0.bmp");
}
