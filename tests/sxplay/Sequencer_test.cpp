#include <gtest/gtest.h>

#include <bit>

#include "PlayerHarness.h"

using namespace sxtest;

namespace {

double TimeOf(const std::vector<sx::Recorded>& shorts, uint32_t word) {
    for (const auto& r : shorts)
        if (r.message == word) return r.timeMs;
    ADD_FAILURE() << "message " << std::hex << word << " never sent";
    return -1;
}

}  // namespace

TEST(Sequencer, TempoAndSpeedSetTheWaitBetweenSteps) {
    // 500000 us per quarter at 480 ticks: a tick lasts 1.0417 ms, so 480
    // ticks last 500 ms, and 250 ms at speed 2.
    PlayerHarness h;
    h.P().SetCaps(6, std::bit_cast<uint32_t>(2.0f));
    h.Start(Smf(0, 480, {Track().Tempo(0, 500000).On(0, 0, 60).On(480, 0, 62).End()}));
    h.Ticks(100);
    const auto shorts = h.Shorts();
    EXPECT_NEAR(TimeOf(shorts, NoteOn(0, 62, 100)) - TimeOf(shorts, NoteOn(0, 60, 100)), 250.0, 1e-3);
}

TEST(Sequencer, CarriedRemainderKeepsTimingFromDrifting) {
    // 200 notes 7 ticks apart at 1 ms per tick (time-code division): the
    // 200th must sound 1393 ms after the first, not rounded to the 5 ms grid.
    Track t;
    for (int i = 0; i < 200; ++i) t.On(i == 0 ? 0 : 7, 0, uint8_t(i % 100));
    PlayerHarness h;
    h.Start(Smf(0, 0xE728, {t.End()}));
    h.Ticks(300);
    const auto shorts = h.Shorts();
    ASSERT_GE(shorts.size(), 200u);
    for (size_t i = 1; i < 200; ++i) EXPECT_NEAR(shorts[i].timeMs - shorts[i - 1].timeMs, 7.0, 1e-6);
    // Each message is stamped inside the 5 ms window of the tick that sent it.
    EXPECT_NEAR(shorts[199].timeMs - shorts[0].timeMs, 1393.0, 1e-6);
}

TEST(Sequencer, LoopsBackToTheMarkerAndRestoresChannels) {
    Track t = Track()
                  .Cc(0, 0, 7, 90)
                  .On(0, 0, 60)
                  .Off(96, 0, 60)
                  .Cc(96, 0, 111, 0)  // third step: the loop starts here
                  .On(0, 0, 64)
                  .Cc(96, 0, 7, 40)
                  .Off(0, 0, 64)
                  .End(96);
    PlayerHarness h;
    h.Start(Smf(0, 0xE728, {t}));  // 1 ms per tick
    h.Ticks(300);                   // up to 1500 ms: one loop at 384 ms, the next at 672 ms
    const auto shorts = h.Shorts();
    ASSERT_GE(h.Count(8), 2);
    EXPECT_EQ(h.notes[h.notes.size() - 1].second, h.Count(8));  // notification 8 carries the count
    // After the end: volume 90 restored, then the marker step again.
    std::vector<uint32_t> words;
    for (const auto& r : shorts) words.push_back(r.message);
    const std::vector<uint32_t> firstPass = {CcWord(0, 7, 90), NoteOn(0, 60, 100), 0x3C80,
                                             CcWord(0, 111, 0), NoteOn(0, 64, 100),
                                             CcWord(0, 7, 40), 0x4080};
    ASSERT_GE(words.size(), 13u);
    EXPECT_EQ(std::vector<uint32_t>(words.begin(), words.begin() + 7), firstPass);
    EXPECT_EQ(words[7], CcWord(0, 7, 90));
    EXPECT_EQ(words[8], CcWord(0, 111, 0));
    EXPECT_NEAR(TimeOf(shorts, CcWord(0, 7, 40)) + 96.0, shorts[7].timeMs, 1e-6);
    EXPECT_EQ(h.P().State().loopCount.load(), uint32_t(h.Count(8)));
}

TEST(Sequencer, TransposeSparesDrumsAndDropsNotesOutOfRange) {
    Track t = Track().On(0, 0, 120).On(0, 0, 60).On(0, 9, 36).Off(10, 0, 60).End(10);
    PlayerHarness h;
    h.P().SetCaps(9, 11);
    h.Start(Smf(0, 96, {t}));
    h.P().SetCaps(9, -12);  // latched at play: changes take effect on the next play
    h.Ticks(20);
    std::vector<uint32_t> words;
    for (const auto& r : h.Shorts()) words.push_back(r.message);
    EXPECT_EQ(words, (std::vector<uint32_t>{NoteOn(0, 71, 100), NoteOn(9, 36, 100), 0x4780}));
}

TEST(Sequencer, VelocityScaleAndFilters) {
    Track t = Track().On(0, 0, 60, 101).Ev(0, {0xE0, 0, 0x40}).Ev(0, {0xF0, 2, 1, 0xF7}).End(10);
    PlayerHarness h;
    h.P().SetCaps(7, 50);
    h.P().SetCaps(1, 0x40 | 0x10000);  // no pitch bend, no system exclusive
    h.Start(Smf(0, 96, {t}));
    h.Ticks(5);
    const auto all = h.output->Take();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].message, NoteOn(0, 60, 50));  // trunc(50 x 101 x 0.01)
}

TEST(Sequencer, FadeInReachesFullLevelAfter200TicksAndNotifiesOnce) {
    PlayerHarness h;
    h.Start(Smf(0, 96, {Track().Cc(0, 0, 7, 100).On(0, 0, 60).End(60000)}));
    h.Ticks(1);
    h.Shorts();
    ASSERT_EQ(h.P().FadeIn(1000), 0);
    h.Ticks(199);
    EXPECT_EQ(h.Count(12), 0);
    auto shorts = h.Shorts();
    ASSERT_EQ(shorts.size(), 199u * 16);
    EXPECT_EQ(shorts[0].message, CcWord(0, 7, 0));  // 5/1000 of 100
    EXPECT_EQ(shorts[16].message, CcWord(0, 7, 1));
    h.Ticks(1);
    EXPECT_EQ(h.Count(12), 1);
    shorts = h.Shorts();
    ASSERT_EQ(shorts.size(), 16u);
    EXPECT_EQ(shorts[0].message, CcWord(0, 7, 100));  // the fade ends at the table volume
    h.Ticks(50);
    EXPECT_EQ(h.Count(12), 1);
    EXPECT_TRUE(h.Shorts().empty());
    // Back in the playing state, so the tune can fade out later.
    EXPECT_EQ(h.P().State().playState.load(), sx::kPlay);
    EXPECT_EQ(h.P().FadeOut(100), 0);
}

TEST(Sequencer, FadeOutFallsSilentOnceAndKeepsPlaying) {
    PlayerHarness h;
    h.Start(Smf(0, 96, {Track().Cc(0, 0, 7, 80).On(0, 0, 60).End(60000)}));
    h.Ticks(1);
    h.Shorts();
    ASSERT_EQ(h.P().FadeOut(102), 0);
    EXPECT_EQ(h.Count(9), 1);
    h.Ticks(20);
    EXPECT_EQ(h.Count(10), 0);
    h.Ticks(1);  // 102 -> ... -> 2 -> 0
    EXPECT_EQ(h.Count(10), 1);
    h.Ticks(5);
    EXPECT_EQ(h.Count(10), 1);
    const auto shorts = h.Shorts();
    EXPECT_EQ(shorts.back().message, CcWord(15, 7, 0));
    EXPECT_EQ(h.P().State().mainState.load(), sx::kPlaying);
}

TEST(Sequencer, SkipLeadingSilenceSendsSetupAtOnce) {
    Track t = Track().Ev(0, {0xC0, 5}).Cc(960, 0, 7, 70).On(960, 0, 60).End(10);
    PlayerHarness h;
    h.P().SetCaps(11, 1);
    h.Start(Smf(0, 96, {t}));
    // The program and volume were sent at play; the note comes with the
    // first tick instead of 20 beats later.
    h.Ticks(1);
    const auto shorts = h.Shorts();
    ASSERT_EQ(shorts.size(), 1u);
    EXPECT_EQ(shorts[0].message, NoteOn(0, 60, 100));
    EXPECT_EQ(h.P().Seq().Channels()[0].volume, 70);
}

TEST(Sequencer, SeekPositionsWithoutSoundingNotes) {
    // 1 ms per tick; notes at 0, 100, 200 ms.
    Track t = Track().On(0, 0, 60).Cc(0, 0, 7, 70).On(100, 0, 62).On(100, 0, 64).End(100);
    PlayerHarness h;
    h.P().OpenDevice(-1, nullptr);
    h.P().SetCaps(10, std::bit_cast<uint32_t>(0.0f));
    h.Load(Smf(0, 0xE728, {t}));
    h.output->Take();
    ASSERT_EQ(h.P().SetCaps(8, std::bit_cast<uint32_t>(150.0f)), 0);
    EXPECT_EQ(h.P().State().mainState.load(), sx::kPaused);
    ASSERT_EQ(h.notes.back().first, 13);
    EXPECT_EQ(h.notes.back().second, std::bit_cast<uint32_t>(150.0f));
    for (const auto& r : h.Shorts()) EXPECT_NE(r.message & 0xE0, 0x80u) << std::hex << r.message;
    EXPECT_EQ(h.P().Seq().Channels()[0].volume, 70);
    // Resume: the note at 200 ms comes 50 ms after the first tick.
    ASSERT_EQ(h.P().Resume(), 0);
    h.Ticks(9);
    for (const auto& r : h.Shorts()) ADD_FAILURE() << std::hex << r.message << " at " << r.timeMs;
    h.Ticks(1);
    const auto shorts = h.Shorts();
    ASSERT_EQ(shorts.size(), 1u);
    EXPECT_EQ(shorts[0].message, NoteOn(0, 64, 100));
    EXPECT_NEAR(shorts[0].timeMs, 5.0 + 50.0, 1e-6);
    // Beyond the end: refused, and the position stays.
    ASSERT_EQ(h.P().Pause(), 0);
    EXPECT_EQ(h.P().SetCaps(8, std::bit_cast<uint32_t>(5000.0f)), 4);
    EXPECT_EQ(h.notes.back().second, -1);
}

TEST(Sequencer, DegenerateSongsNeitherSendNorHang) {
    PlayerHarness h;
    h.Start(Smf(1, 96, {}));
    h.Ticks(100);
    EXPECT_TRUE(h.output->Take().empty());
    EXPECT_EQ(h.Count(8), 0);
    // A zero tempo makes the whole song take no time: each tick goes round
    // it a bounded number of times instead of spinning forever.
    PlayerHarness z;
    z.Start(Smf(0, 96, {Track().Tempo(0, 0).On(0, 0, 60).Cc(96, 0, 111, 0).On(0, 0, 62).Off(96, 0, 62).End()}));
    z.Ticks(3);
    EXPECT_GE(z.Count(8), 3);
    EXPECT_LE(z.Count(8), 6);
}

TEST(Sequencer, StopFromACallbackInsideTheTickEndsTheTick) {
    struct Context {
        sx::Player* player;
        int loops = 0;
    };
    static Context context;
    PlayerHarness h;
    context = {&h.P(), 0};
    h.Start(Smf(0, 0xE728, {Track().On(0, 0, 60).Off(2, 0, 60).End(1)}));
    h.P().SetCaps(4, reinterpret_cast<intptr_t>(+[](int32_t code, intptr_t, intptr_t) -> int32_t {
        if (code == 8 && ++context.loops == 1) context.player->CloseDevice();
        return 1;
    }));
    h.Ticks(10);
    EXPECT_EQ(context.loops, 1);
    EXPECT_EQ(h.P().State().mainState.load(), sx::kClosed);
}
