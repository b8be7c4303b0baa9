#include <gtest/gtest.h>

#include "SmfBuilder.h"
#include "sxplay/core/Song.h"

using namespace sxtest;

namespace {

int32_t Parse(const std::vector<uint8_t>& file, sx::Song* out = nullptr) {
    sx::Song song;
    const int32_t result = sx::ParseSong(file.data(), file.size(), song);
    if (out != nullptr) *out = song;
    return result;
}

Track Simple() { return Track().On(0, 0, 60).Off(96, 0, 60).End(); }

}  // namespace

TEST(SongParser, RejectsMalformedHeadersAndFormats) {
    EXPECT_EQ(Parse(Smf(0, 96, {Simple(), Simple()})), 22);  // format 0 holds one track
    EXPECT_EQ(Parse(Smf(2, 96, {Simple()})), 24);
    EXPECT_EQ(Parse(Smf(1, 0, {Simple()})), 22);  // division 0
    std::vector<uint8_t> file = Smf(1, 96, {Simple()});
    EXPECT_EQ(Parse({file.begin(), file.begin() + 13}), 22);
    file[3] = 'x';
    EXPECT_EQ(Parse(file), 22);
    file = Smf(1, 96, {Simple()});
    file[7] = 7;  // header length must be 6
    EXPECT_EQ(Parse(file), 22);
    // Fewer tracks than the header announces, and a chunk longer than the data.
    EXPECT_EQ(Parse(Smf(1, 96, {Simple()}, 2)), 22);
    file = Smf(1, 96, {Simple()});
    file[21] += 1;
    EXPECT_EQ(Parse(file), 22);
    EXPECT_EQ(Parse(Smf(1, 96, {})), 0);  // no tracks: an empty song
}

TEST(SongParser, RejectsBadTrackSyntax) {
    // Running status after a meta event, and at the very start of a track.
    EXPECT_EQ(Parse(Smf(0, 96, {Track().On(0, 0, 60).Tempo(0, 500000).Ev(10, {60, 0}).End()})), 22);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {60, 100}).End()})), 22);
    // Running status after a channel message is fine.
    EXPECT_EQ(Parse(Smf(0, 96, {Track().On(0, 0, 60).Ev(10, {62, 100}).End()})), 0);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0xF7, 1, 0x40}).End()})), 24);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0xF8}).End()})), 24);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0xFF, 0x51, 2, 1, 2}).End()})), 22);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0xFF, 0x2F, 1, 0})})), 22);
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0x90, 60})})), 22);            // cut short
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0xFF, 0x01, 5, 'a'})})), 22);  // text past the end
    EXPECT_EQ(Parse(Smf(0, 96, {Track().Ev(0, {0x80, 0x80, 0x80, 0x80, 0x00})})), 22);  // 5-byte delta
    // The first track is fine, the second is not: the whole load fails.
    EXPECT_EQ(Parse(Smf(1, 96, {Simple(), Track().Ev(0, {0xF7, 0})})), 24);
}

TEST(SongParser, MergesTracksIntoStepsInFileOrder) {
    // Track 0 at ticks 0 and 96, track 1 at 48 and 96.
    Track a = Track().On(0, 0, 60).On(96, 0, 62);
    Track b = Track().On(48, 1, 70).On(48, 1, 72);
    sx::Song song;
    ASSERT_EQ(Parse(Smf(1, 96, {a, b}), &song), 0);
    ASSERT_EQ(song.StepCount(), 3u);
    EXPECT_EQ(song.stepDelay, (std::vector<double>{0, 48, 48}));
    EXPECT_EQ(song.stepSize, (std::vector<uint32_t>{1, 1, 2}));
    ASSERT_EQ(song.events.size(), 4u);
    EXPECT_EQ(song.events[2].word, 0x90u | (62u << 8) | (100u << 16));  // track 0 first
    EXPECT_EQ(song.events[3].word, 0x91u | (72u << 8) | (100u << 16));
}

TEST(SongParser, EncodesMetaAndSystemExclusiveEvents) {
    Track t = Track()
                  .Ev(0, {0xFF, 0x03, 3, 'a', 'b', 'c'})
                  .Ev(0, {0xFF, 0x01, 0})  // empty text: kept but ignored
                  .Ev(0, {0xFF, 0x7F, 2, 1, 2})
                  .Ev(0, {0xF0, 3, 0x7E, 0x01, 0xF7})
                  .Ev(0, {0xC3, 5})
                  .Tempo(0, 500000)
                  .End();
    sx::Song song;
    ASSERT_EQ(Parse(Smf(0, 480, {t}), &song), 0);
    ASSERT_EQ(song.events.size(), 7u);
    EXPECT_EQ(song.events[0].word, 0x03000000u);
    EXPECT_EQ(song.texts[song.events[0].block].wide, u"abc");
    EXPECT_EQ(song.events[1].word, sx::kIgnoredMeta);
    EXPECT_EQ(song.events[2].word, sx::kIgnoredMeta);
    EXPECT_EQ(song.events[3].word, sx::kSysEx);
    EXPECT_EQ(song.sysex[song.events[3].block], (std::vector<uint8_t>{0xF0, 0x7E, 0x01, 0xF7}));
    EXPECT_EQ(song.events[4].word, 0x05C3u);  // program change: data2 is 0
    EXPECT_NEAR(song.events[5].tempo, 500000.0 / 480 * 0.001, 1e-6);
    EXPECT_EQ(song.events[6].word, sx::kEndOfTrack);
}

TEST(SongParser, LoopMarkerRecordsStepTempoAndRestoreList) {
    Track t = Track()
                  .Cc(0, 0, 7, 90)
                  .Ev(0, {0xC0, 4})
                  .On(10, 0, 60)
                  .Tempo(10, 600000)
                  .Cc(0, 0, 111, 0)  // third step
                  .Cc(0, 2, 10, 30)
                  .Cc(10, 0, 7, 50)
                  .Ev(0, {0xC0, 9})
                  .Cc(0, 2, 10, 40)
                  .Cc(0, 3, 11, 70)
                  .End(10);
    sx::Song song;
    ASSERT_EQ(Parse(Smf(0, 100, {t}), &song), 0);
    EXPECT_EQ(song.loopStep, 2u);
    EXPECT_EQ(song.loopEvent, 3u);
    EXPECT_NEAR(song.loopTempo, 600000.0 / 100 * 0.001, 1e-6);
    // Channel 0 volume and program, channel 2 pan (30 was set after the
    // marker, in the same step), channel 3 expression.
    EXPECT_EQ(song.restore, (std::vector<uint32_t>{0x005A07B0, 0x04C0, 0x00000AB2, 0x00000BB3}));
}

TEST(SongParser, SongsWithoutMarkerOrTempoKeepATempo) {
    sx::Song song;
    ASSERT_EQ(Parse(Smf(0, 480, {Simple()}), &song), 0);
    EXPECT_EQ(song.loopStep, 0u);
    EXPECT_TRUE(song.restore.empty());
    // 120 beats per minute until a tempo event, also when looping back.
    EXPECT_NEAR(song.initialTempo, 500.0 / 480, 1e-6);
    EXPECT_EQ(song.loopTempo, song.initialTempo);
    // Time-code division: 25 frames of 40 ticks, a millisecond per tick
    // whatever the tempo events say.
    ASSERT_EQ(Parse(Smf(0, 0xE728, {Track().Tempo(0, 250000).On(0, 0, 60).End(10)}), &song), 0);
    EXPECT_TRUE(song.timeCode);
    EXPECT_NEAR(song.initialTempo, 1.0, 1e-6);
    EXPECT_NEAR(song.events[0].tempo, 1.0, 1e-6);
    EXPECT_EQ(Parse(Smf(0, 0xE700, {Simple()})), 22);  // zero ticks per frame
}
