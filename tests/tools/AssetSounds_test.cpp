// Sound effects and tunes: audible, clean at their ends, within range;
// tunes long enough before they loop, in key, and cut exactly at the loop.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "sxplay/core/Song.h"
#include "tools/asset-gen/Composer.h"
#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Music.h"
#include "tools/asset-gen/SoundEffects.h"

using namespace assetgen;

TEST(SoundEffects, EveryNameSoundsCleanly) {
    for (const char* name : {"cur", "decide", "cancel", "power21", "slash.wav", "fire3.wav", "thunder2.wav", "heal.wav", "breath.wav", "gun2.wav", "mystery.wav"}) {
        const std::vector<float> s = SynthesizeSound(name);
        ASSERT_GT(s.size(), size_t(kSoundRate / 50)) << name;
        float peak = 0, energy = 0;
        for (float v : s) {
            ASSERT_TRUE(std::isfinite(v)) << name;
            peak = std::max(peak, std::fabs(v));
            energy += v * v;
        }
        EXPECT_LE(peak, 0.9f) << name;
        EXPECT_GT(std::sqrt(energy / float(s.size())), 0.03f) << name << " is nearly silent";
        EXPECT_LT(std::fabs(s.front()), 0.01f) << name;
        EXPECT_LT(std::fabs(s.back()), 0.01f) << name;
    }
    // The menu sounds are short; an unknown name falls back to a sound.
    EXPECT_LT(SynthesizeSound("cur").size(), size_t(kSoundRate / 5));
    EXPECT_NE(SynthesizeSound("decide"), SynthesizeSound("cancel"));
}

namespace {

std::vector<MusicUse> AllMoods() {
    std::vector<MusicUse> uses = {{"title.mid", MusicRole::kTitle, 0}, {"town.mid", MusicRole::kTown, 0}, {"defeat.mid", MusicRole::kDefeat, 0}};
    for (int i = 0; i <= 6; ++i) {
        const double depth = i / 6.0;
        uses.push_back({"field" + std::to_string(i) + ".mid", MusicRole::kField, depth});
        uses.push_back({"battle" + std::to_string(i) + ".mid", MusicRole::kBattle, depth});
        uses.push_back({"boss" + std::to_string(i) + ".mid", MusicRole::kBoss, depth});
    }
    return uses;
}

}  // namespace

TEST(Composer, TunesLoopAfterAnIntroWithLongBodiesInKey) {
    for (const MusicUse& use : AllMoods()) {
        const MusicStyle style = StyleFor(use);
        const Composition c = Compose(style, HashName(use.name), use.role == MusicRole::kDefeat);
        EXPECT_EQ(c.loopTick, uint32_t(style.introBars * style.beats * kTicksPerQuarter)) << use.name;
        EXPECT_GE(c.bodySeconds, 30.0) << use.name;
        EXPECT_GE(c.tracks.size(), 4u) << use.name;
        // Every track ends exactly where the body ends, so the jump back
        // to the marker keeps the beat.
        sx::Song song;
        const std::vector<uint8_t> bytes = EncodeMidi(uint16_t(kTicksPerQuarter), c.tracks);
        ASSERT_EQ(sx::ParseSong(bytes.data(), bytes.size(), song), 0) << use.name;
        double ticks = 0, loopTicks = 0;
        for (size_t i = 0; i < song.StepCount(); ++i) {
            ticks += song.stepDelay[i];
            if (i == song.loopStep) loopTicks = ticks;
        }
        EXPECT_DOUBLE_EQ(ticks, double(c.endTick)) << use.name;
        EXPECT_DOUBLE_EQ(loopTicks, double(c.loopTick)) << use.name;
        // The melody keeps to the scale of the key.
        std::set<int> scale;
        for (int step : style.scale) scale.insert((style.tonic + step) % 12);
        int notes = 0;
        for (const sx::Event& e : song.events) {
            if ((e.word & 0xF0) != 0x90 || (e.word & 0x0F) != 0 || ((e.word >> 16) & 0x7F) == 0) continue;
            ++notes;
            EXPECT_TRUE(scale.contains(int((e.word >> 8) & 0x7F) % 12)) << use.name << " note " << ((e.word >> 8) & 0x7F);
        }
        EXPECT_GT(notes, 16) << use.name;
    }
}

TEST(Composer, MoodsDifferInTempoAndSound) {
    const MusicStyle town = StyleFor({"t.mid", MusicRole::kTown, 0});
    const MusicStyle battle = StyleFor({"b.mid", MusicRole::kBattle, 0});
    const MusicStyle boss = StyleFor({"x.mid", MusicRole::kBoss, 1});
    const MusicStyle cave = StyleFor({"c.mid", MusicRole::kField, 2 / 6.0});
    EXPECT_LT(town.bpm, battle.bpm);
    EXPECT_LE(battle.bpm, boss.bpm);
    EXPECT_LT(cave.bpm, town.bpm);
    EXPECT_EQ(town.scale[2], 4);   // major
    EXPECT_EQ(battle.scale[2], 3); // minor modes for fights and the deep places
    EXPECT_EQ(cave.scale[1], 1);
    EXPECT_NE(battle.drums, DrumKit::kNone);
    // Two tunes of the same role differ.
    EXPECT_NE(ComposeTune({"boss1.mid", MusicRole::kBoss, 0.3}), ComposeTune({"boss2.mid", MusicRole::kBoss, 0.3}));
}

TEST(Composer, NotesOfOneKeyNeverOverlapAndDrumsStayOnTheirChannel) {
    for (const MusicUse& use : AllMoods()) {
        const MusicStyle style = StyleFor(use);
        const Composition c = Compose(style, HashName(use.name), use.role == MusicRole::kDefeat);
        const std::vector<uint8_t> bytes = EncodeMidi(uint16_t(kTicksPerQuarter), c.tracks);
        sx::Song song;
        ASSERT_EQ(sx::ParseSong(bytes.data(), bytes.size(), song), 0);
        // A key struck again while it still sounds would cut itself short.
        std::map<int, int> sounding;  // channel * 128 + key -> count
        for (const sx::Event& e : song.events) {
            if (e.word >= sx::kChannelLimit) continue;
            const int status = e.word & 0xF0, channel = e.word & 0x0F, key = (e.word >> 8) & 0x7F, velocity = (e.word >> 16) & 0x7F;
            const bool on = status == 0x90 && velocity > 0, off = status == 0x80 || (status == 0x90 && velocity == 0);
            if (on) {
                EXPECT_EQ(sounding[channel * 128 + key]++, 0) << use.name << " channel " << channel << " key " << key;
                if (channel == 9) {
                    EXPECT_TRUE(key >= 35 && key <= 81) << use.name;
                }
            }
            if (off) sounding[channel * 128 + key] = std::max(0, sounding[channel * 128 + key] - 1);
        }
        // Nothing still sounds when the song jumps back.
        for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << use.name << " note " << note;
    }
}
