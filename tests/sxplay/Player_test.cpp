#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>

#include "PlayerHarness.h"
#include "sxplay/core/Errors.h"

using namespace sxtest;

namespace {

std::vector<uint8_t> Song() { return Smf(0, 96, {Track().On(0, 0, 60).Off(96, 0, 60).End()}); }

intptr_t F(float v) { return std::bit_cast<uint32_t>(v); }

std::vector<int32_t> Codes(const PlayerHarness& h) {
    std::vector<int32_t> codes;
    for (const auto& [code, value] : h.notes) codes.push_back(code);
    return codes;
}

}  // namespace

TEST(Player, CallsOutOfOrderAreRefused) {
    PlayerHarness h;
    EXPECT_EQ(h.P().CloseDevice(), 3);
    EXPECT_EQ(h.P().Play(), 3);
    EXPECT_EQ(h.Load(Song()), 3);  // closed
    ASSERT_EQ(h.P().OpenDevice(-1, nullptr), 0);
    EXPECT_EQ(h.P().OpenDevice(-1, nullptr), 3);
    EXPECT_EQ(h.P().Play(), 3);  // nothing loaded
    EXPECT_EQ(h.P().Stop(), 3);
    EXPECT_EQ(h.P().Pause(), 3);
    EXPECT_EQ(h.P().Resume(), 3);
    EXPECT_EQ(h.P().LoadMusic(nullptr, nullptr, 0), 4);
    ASSERT_EQ(h.Load(Song()), 0);
    EXPECT_EQ(h.P().Pause(), 3);  // loaded but stopped
    EXPECT_EQ(h.P().FadeOut(100), 3);
    ASSERT_EQ(h.P().Play(), 0);
    EXPECT_EQ(h.Load(Song()), 3);  // loading while playing
    EXPECT_EQ(h.P().FadeOut(99), 4);
    EXPECT_EQ(h.P().FadeOut(10001), 4);
    EXPECT_EQ(h.P().FadeIn(99), 4);
    ASSERT_EQ(h.P().Pause(), 0);
    EXPECT_EQ(h.P().FadeOut(100), 3);
    intptr_t position = 0;
    EXPECT_EQ(h.P().GetCaps(8, &position), 3);
    EXPECT_EQ(Codes(h), (std::vector<int32_t>{1, 3, 4, 6}));
}

TEST(Player, StopThenPlayStartsFromTheBeginning) {
    PlayerHarness h;
    h.Start(Song());
    h.Ticks(10);
    h.output->Take();
    EXPECT_EQ(h.P().Stop(), 0);
    // Stopping resets the device by default; without option 12 it sends
    // all notes off on every channel.
    auto all = h.output->Take();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].kind, sx::Recorded::kReset);
    ASSERT_EQ(h.P().Play(), 0);
    h.Ticks(1);
    const auto shorts = h.Shorts();
    ASSERT_FALSE(shorts.empty());
    EXPECT_EQ(shorts.back().message, NoteOn(0, 60, 100));
    h.P().SetCaps(12, 0);
    h.P().Stop();
    EXPECT_EQ(h.Shorts().size(), 16u);
    EXPECT_FALSE(h.timer->Running());
}

TEST(Player, PauseKeepsThePositionAndResumeGoesOn) {
    PlayerHarness h;
    h.Start(Smf(0, 0xE728, {Track().On(0, 0, 60).On(100, 0, 62).End(10)}));
    h.Ticks(10);
    h.Shorts();
    ASSERT_EQ(h.P().Pause(), 0);
    const auto off = h.Shorts();
    ASSERT_EQ(off.size(), 16u);
    EXPECT_EQ(off[9].message, CcWord(9, 123, 0));
    h.now += 1000;
    ASSERT_EQ(h.P().Resume(), 0);
    h.Ticks(10);
    EXPECT_EQ(h.Shorts().back().message, NoteOn(0, 62, 100));
    SXStatus status{};
    EXPECT_EQ(h.P().GetStatus(&status, sizeof status), 0);
    EXPECT_EQ(status.mainState, 3);
    EXPECT_EQ(status.positionMs, 100);  // 50 before the pause, 50 after
    EXPECT_EQ(Codes(h), (std::vector<int32_t>{1, 3, 4, 6, 7}));
}

TEST(Player, FailedLoadLeavesNoSong) {
    PlayerHarness h;
    h.P().OpenDevice(-1, nullptr);
    ASSERT_EQ(h.Load(Song()), 0);
    EXPECT_EQ(h.Load(Smf(2, 96, {})), 24);
    EXPECT_EQ(h.P().State().mainState.load(), sx::kOpen);
    EXPECT_EQ(h.P().Play(), 3);
    const std::u16string missing = u"/nonexistent/dir/song.mid";
    EXPECT_EQ(h.P().LoadMusic(missing.c_str(), nullptr, 0), 20);
    const std::string dir = std::string(getenv("SOURCE_DIR") ? getenv("SOURCE_DIR") : ".");
    EXPECT_EQ(h.P().LoadMusicNarrow(dir.c_str(), nullptr, 0), 20);  // a folder
}

TEST(Player, LoadsFilesAndModuleResources) {
    PlayerHarness h;
    h.P().OpenDevice(-1, nullptr);
    const std::string path = testing::TempDir() + "player_test.mid";
    const std::vector<uint8_t> song = Song();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(song.data()), long(song.size()));
    ASSERT_EQ(h.P().LoadMusicNarrow(path.c_str(), nullptr, 0), 0);
    ASSERT_EQ(h.notes.back().first, 3);
    EXPECT_EQ(h.loadedText, path);

    const SXResource entries[] = {{u"theme", 0, 10, song.data(), uint32_t(song.size())},
                                  {nullptr, 7, 10, song.data(), uint32_t(song.size())},
                                  {u"empty", 0, 10, song.data(), 0}};
    const SXResourceModule module{kSXResourceMagic, 3, entries};
    EXPECT_EQ(h.P().LoadMusic(u"theme", &module, 10), 0);
    EXPECT_EQ(h.P().LoadMusic(reinterpret_cast<const char16_t*>(7), &module, 10), 0);
    EXPECT_EQ(h.P().LoadMusic(u"theme", &module, 11), 20);  // wrong type
    EXPECT_EQ(h.P().LoadMusic(u"empty", &module, 10), 22);
    const SXResourceModule stray{0, 3, entries};
    EXPECT_EQ(h.P().LoadMusic(u"theme", &stray, 10), 20);
}

TEST(Player, CapsAcceptOnlyTheirRanges) {
    PlayerHarness h;
    sx::Player& p = h.P();
    EXPECT_EQ(p.SetCaps(0, 2), 4);
    EXPECT_EQ(p.SetCaps(0, 0), 4);
    for (int v : {1, 3, 4}) EXPECT_EQ(p.SetCaps(0, v), 0);
    EXPECT_EQ(p.SetCaps(6, F(0.19f)), 4);
    EXPECT_EQ(p.SetCaps(6, F(5.01f)), 4);
    EXPECT_EQ(p.SetCaps(6, F(NAN)), 4);
    EXPECT_EQ(p.SetCaps(6, F(0.2f)), 0);
    EXPECT_EQ(p.SetCaps(7, 101), 4);
    EXPECT_EQ(p.SetCaps(7, -1), 4);
    EXPECT_EQ(p.SetCaps(7, 0), 0);
    EXPECT_EQ(p.SetCaps(8, F(-1.0f)), 4);
    EXPECT_EQ(p.SetCaps(8, F(0.0f)), 3);  // nothing loaded
    EXPECT_EQ(p.SetCaps(9, 12), 4);
    EXPECT_EQ(p.SetCaps(9, -13), 4);
    EXPECT_EQ(p.SetCaps(9, -12), 0);
    EXPECT_EQ(p.SetCaps(10, F(1000.5f)), 4);
    EXPECT_EQ(p.SetCaps(10, F(-0.5f)), 4);
    EXPECT_EQ(p.SetCaps(10, F(1000.0f)), 0);
    EXPECT_EQ(p.SetCaps(13, 0), 4);
    EXPECT_EQ(p.SetCaps(-1, 0), 4);
    for (int type : {1, 2, 3, 11, 12}) EXPECT_EQ(p.SetCaps(type, 7), 0);

    intptr_t v = 0;
    auto Get = [&](int32_t type) {
        EXPECT_EQ(p.GetCaps(type, &v), 0) << type;
        return v;
    };
    EXPECT_EQ(p.GetCaps(0, nullptr), 4);
    EXPECT_EQ(p.GetCaps(12, &v), 4);
    EXPECT_EQ(p.GetCaps(13, &v), 4);
    EXPECT_EQ(Get(0), 4);
    EXPECT_EQ(Get(1), 7);
    EXPECT_EQ(Get(2), 1);
    EXPECT_EQ(Get(3), 1);
    EXPECT_EQ(Get(6), F(0.2f));
    EXPECT_EQ(Get(7), 0);
    EXPECT_EQ(Get(9), -12);
    EXPECT_EQ(Get(10), F(1000.0f));
    EXPECT_EQ(Get(11), 1);
    EXPECT_EQ(p.State().options.load(), 7u);
}

TEST(Player, StatusRecordCopiesAtMostWhatIsAsked) {
    PlayerHarness h;
    h.Start(Song());
    h.Ticks(40);
    int32_t record[6] = {-7, -7, -7, -7, -7, -7};
    EXPECT_EQ(h.P().GetStatus(record, 0), 4);
    EXPECT_EQ(h.P().GetStatus(nullptr, 8), 4);
    EXPECT_EQ(h.P().GetStatus(record, 8), 0);
    EXPECT_EQ(record[0], 3);
    EXPECT_EQ(record[1], 3);
    EXPECT_EQ(record[2], -7);
    EXPECT_EQ(h.P().GetStatus(record, sizeof record), 0);
    EXPECT_EQ(record[2], 200);
    EXPECT_EQ(record[3], -1);
    EXPECT_EQ(record[4], 0);
    EXPECT_EQ(record[5], -7);
}

TEST(Player, ErrorStringsAndVersionRecords) {
    EXPECT_EQ(sx::ErrorStringW(5, nullptr, 0), 0);
    EXPECT_EQ(sx::ErrorStringW(22, nullptr, 0), 16);
    char16_t wide[8];
    EXPECT_EQ(sx::ErrorStringW(22, wide, 4), 4);
    EXPECT_EQ(std::u16string(wide), u"ファイル");
    char narrow[16];
    EXPECT_EQ(sx::ErrorStringA(0, nullptr, 0), 30);  // ten characters of three bytes
    // Cut at a character boundary: 7 bytes hold two characters.
    EXPECT_EQ(sx::ErrorStringA(0, narrow, 7), 6);
    EXPECT_EQ(std::string(narrow), "エラ");
    for (int code : {0, 1, 2, 3, 4, 10, 20, 21, 22, 23, 24, 100})
        EXPECT_GT(sx::ErrorStringW(code, nullptr, 0), 0) << code;

    SXVersionA a{};
    EXPECT_EQ(sx::VersionA(0, &a), 0);
    const int32_t length = sx::VersionA(sizeof a, &a);
    EXPECT_EQ(length, int32_t(std::strlen(a.homePage)));
    EXPECT_GT(length, 0);
    EXPECT_EQ(a.libraryVersion, 0x03010000u);
    EXPECT_EQ(a.secondVersion, 0x010F0000u);
    EXPECT_EQ(a.year, 2009);
    EXPECT_EQ(a.month, 10);
    EXPECT_EQ(a.day, 4);
    SXVersionW w{};
    uint8_t head[8] = {};
    sx::VersionW(sizeof head, head);  // only what fits
    EXPECT_EQ(head[0], 1);
    EXPECT_EQ(sx::VersionW(sizeof w, &w), length);
    EXPECT_EQ(std::u16string(w.product), u"sxplay");
}

TEST(Player, SystemExclusiveLengthsAndFailures) {
    PlayerHarness h;
    const uint8_t data[] = {0xF0, 0x43, 0xF7};
    EXPECT_EQ(h.P().SendSysEx(data, 3), 3);  // closed
    h.P().OpenDevice(-1, nullptr);
    EXPECT_EQ(h.P().SendSysEx(nullptr, 3), 4);
    EXPECT_EQ(h.P().SendSysEx(data, 0), 4);
    EXPECT_EQ(h.P().SendSysEx(data, -5), 4);
    EXPECT_EQ(h.P().SendSysEx(data, 3), 0);
    EXPECT_EQ(h.P().SendSysEx(data, -3), 0);
    const auto sent = h.output->Take();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].data, (std::vector<uint8_t>{0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}));
    h.output->FailLongMessages(true);
    EXPECT_EQ(h.P().SendSysEx(data, 3), 1);
}

TEST(Player, OpenFailuresAndTheOpeningThread) {
    PlayerHarness h;
    h.refuseDevice = true;
    EXPECT_EQ(h.P().OpenDevice(5, nullptr), 10);
    EXPECT_EQ(h.notes.back(), std::make_pair(0, intptr_t(5)));
    h.refuseDevice = false;
    pthread_t thread;
    ASSERT_EQ(h.P().OpenDevice(2, &thread), 0);
    pthread_join(thread, nullptr);
    EXPECT_EQ(h.P().State().mainState.load(), sx::kOpen);
    EXPECT_EQ(h.P().State().deviceId.load(), 2);
    EXPECT_EQ(h.notes.size(), 1u);  // no notification from the thread
    // Closing while playing stops first; the song is gone afterwards.
    h.Load(Song());
    h.P().Play();
    h.notes.clear();
    EXPECT_EQ(h.P().CloseDevice(), 0);
    EXPECT_EQ(Codes(h), (std::vector<int32_t>{5, 2}));
    EXPECT_EQ(h.P().State().deviceId.load(), -1);
    EXPECT_EQ(h.P().CurrentOutput(), nullptr);
}

TEST(Player, TimerFailureLeavesTheSongStopped) {
    PlayerHarness h;
    h.P().OpenDevice(-1, nullptr);
    h.Load(Song());
    h.P().Play();
    h.timer->RefuseStart(true);
    h.P().Stop();
    EXPECT_EQ(h.P().Play(), 1);
    EXPECT_EQ(h.P().State().mainState.load(), sx::kLoaded);
}
