// Every picture, sound and tune the tables name, checked for the properties
// the game relies on (the other tests look at samples in more detail).
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "AssetFolder.h"
#include "sxplay/core/Song.h"
#include "tools/asset-gen/AssetNames.h"
#include "tools/asset-gen/ContactSheet.h"
#include "tools/asset-gen/Effects.h"
#include "tools/asset-gen/Monsters.h"
#include "tools/asset-gen/Music.h"
#include "tools/asset-gen/MusicStyle.h"
#include "tools/asset-gen/SoundEffects.h"
#include "tools/asset-gen/StatusIcons.h"

using namespace assetgen;
using namespace assettest;

TEST(AllContent, EveryMonsterStandsInTheBattleBand) {
    BuildTables();
    for (const EnemyPicture& e : EnemyPictures()) {
        const Canvas c = PaintMonster(e.name, e.largestScale);
        EXPECT_LE(1.4 * e.largestScale * c.Height(), 281.0) << e.name;
        EXPECT_EQ(c.At(0, 0).a, 0.0f) << e.name;
        // The figure fills its picture: the battle screen stands the bottom
        // row on the ground, so walkers reach it and fliers hover just above.
        float total = 0;
        int top = c.Height(), low = -1;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                total += c.At(x, y).a;
                if (c.At(x, y).a > 0.5f) top = std::min(top, y), low = std::max(low, y);
            }
        EXPECT_GT(total, 0.12f * float(c.Width() * c.Height())) << e.name;
        EXPECT_GE(low, c.Height() * 6 / 10) << e.name;
        EXPECT_GE(low - top, c.Height() / 2) << e.name;
    }
}

TEST(AllContent, EveryEffectStripAnimates) {
    BuildTables();
    for (const EffectPicture& e : EffectPictures()) {
        const Canvas strip = PaintEffectStrip(e.name, e.columns, e.rows);
        ASSERT_EQ(strip.Width(), kEffectCell * e.columns) << e.name;
        ASSERT_EQ(strip.Height(), kEffectCell * e.rows) << e.name;
        int lit = 0;
        for (int f = 0; f < e.columns * e.rows; ++f) {
            float light = 0;
            for (int y = 0; y < kEffectCell; ++y)
                for (int x = 0; x < kEffectCell; ++x) light += strip.At((f % e.columns) * kEffectCell + x, (f / e.columns) * kEffectCell + y).a;
            lit += light > 20;
        }
        EXPECT_GE(lit, (e.columns * e.rows + 1) / 2) << e.name;
    }
}

TEST(AllContent, EverySoundIsAudibleAndShort) {
    BuildTables();
    for (const std::string& name : SoundFiles()) {
        const std::vector<float> s = SynthesizeSound(name);
        double energy = 0;
        for (float v : s) energy += double(v) * v;
        EXPECT_GT(std::sqrt(energy / double(s.size())), 0.03) << name;
        EXPECT_LT(double(s.size()) / kSoundRate, 3.0) << name;
    }
}

TEST(AllContent, EveryTuneIsLongEnoughAndUsesSeveralInstruments) {
    BuildTables();
    for (const MusicUse& use : MusicUses()) {
        const MusicStyle style = StyleFor(use);
        for (int degree : style.chordsA) EXPECT_TRUE(degree >= 0 && degree < 7) << use.name;
        for (int degree : style.chordsB) EXPECT_TRUE(degree >= 0 && degree < 7) << use.name;
        const std::vector<uint8_t> bytes = ComposeTune(use);
        sx::Song song;
        ASSERT_EQ(sx::ParseSong(bytes.data(), bytes.size(), song), 0) << use.name;
        std::set<int> programs, channels;
        for (const sx::Event& e : song.events) {
            if (e.word >= sx::kChannelLimit) continue;
            if ((e.word & 0xF0) == 0xC0) programs.insert(int(e.word >> 8) & 0x7F);
            if ((e.word & 0xF0) == 0x90) channels.insert(int(e.word & 0x0F));
        }
        EXPECT_GE(programs.size(), 3u) << use.name;
        EXPECT_GE(channels.size(), 3u) << use.name;
        // Fights and the places on the way have drums; the title, the
        // promised land and the defeat may do without.
        if (use.role == MusicRole::kBattle || use.role == MusicRole::kBoss || use.role == MusicRole::kTown) {
            EXPECT_TRUE(channels.contains(9)) << use.name;
        }
    }
}

TEST(AllContent, StatusIconsStayApartAtSixteenPixels) {
    std::vector<Canvas> small;
    for (int kind = 0; kind < 30; ++kind) small.push_back(PaintStatusIcon(kind).Resized(16, 16));
    for (size_t i = 0; i < small.size(); ++i)
        for (size_t k = 0; k < i; ++k) {
            double d = 0;
            for (size_t p = 0; p < small[i].Pixels().size(); ++p) {
                const Rgba &a = small[i].Pixels()[p], &b = small[k].Pixels()[p];
                d += std::fabs(a.r * a.a - b.r * b.a) + std::fabs(a.g * a.a - b.g * b.a) + std::fabs(a.b * a.a - b.b * b.a);
            }
            EXPECT_GT(d / 256.0, 0.06) << "icons " << k << " and " << i << " look alike";
        }
}

TEST(AllContent, ContactSheetShowsEveryBackgroundAndFace) {
    std::vector<AssetJob> jobs;
    for (int n = 0; n < 3; ++n)
        jobs.push_back({"image\\back\\" + std::to_string(n) + ".bmp", [n] { return Canvas(640, 480, Rgba{n / 3.0f, 0.5f, 0.2f, 1}); }, false, {}});
    jobs.push_back({"image\\face\\1.bmp", [] { return Canvas(128, 128, Hex(0x00FF00)); }, false, {}});
    jobs.push_back({"sound\\x.wav", {}, false, [] { return std::vector<uint8_t>{}; }});
    const Canvas sheet = BuildContactSheet(jobs);
    EXPECT_EQ(sheet.Width(), 1328);
    // Backgrounds in a row at 256 x 192, then the faces below them.
    EXPECT_NEAR(sheet.At(8 + 128, 8 + 96).r, 0.0f, 1e-5);
    EXPECT_NEAR(sheet.At(8 + 264 + 128, 8 + 96).r, 1 / 3.0f, 1e-5);
    bool face = false;
    for (int y = 200; y < sheet.Height(); ++y) face |= sheet.At(40, y).g > 0.99f && sheet.At(40, y).r < 0.01f;
    EXPECT_TRUE(face);
}
