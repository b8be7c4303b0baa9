// Offline rendering through the synthesiser: sample-exact event placement
// and the command-line player's --render.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "SmfBuilder.h"
#include "sxplay/SxPlay.h"
#include "sxplay/core/OfflineRender.h"
#include "sxplay/core/Synth.h"
#include "sxplay/core/TimedMessages.h"

using namespace sxtest;

namespace {

float Peak(const float* samples, size_t count) {
    float peak = 0;
    for (size_t i = 0; i < count; ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

int Peak16(const std::vector<int16_t>& s, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

// Four quarter notes at 120 beats per minute: 2 s.
std::vector<uint8_t> Tune() {
    Track t = Track().Tempo(0, 500000).Ev(0, {0xC0, 0});
    for (uint8_t note : {60, 64, 67, 72}) t.On(0, 0, note).Off(480, 0, note);
    return Smf(0, 480, {t.End()});
}

}  // namespace

TEST(Render, NoteStartsAtItsExactFrame) {
    std::unique_ptr<sx::Synth> synth = sx::Synth::Create(44100);
    ASSERT_NE(synth, nullptr) << "no General MIDI SoundFont installed";
    std::vector<float> out(2 * 1024);
    std::vector<sx::TimedMessage> due = {{sx::TimedMessage::kShort, 1000 + 333, 0x7F3C90, {}}};
    sx::RenderBlock(*synth, out.data(), 1024, 1000, due);
    EXPECT_LT(Peak(out.data(), 2 * 333), 1e-5f);
    EXPECT_GT(Peak(out.data() + 2 * 333, 2 * (1024 - 333)), 1e-3f);
}

TEST(Render, SongRendersToTheRightLength) {
    const std::vector<uint8_t> tune = Tune();
    sx::RenderOptions options;
    options.tailMs = 500;
    const sx::RenderResult r = sx::RenderSong(tune.data(), tune.size(), options);
    ASSERT_EQ(r.error, 0);
    // The first tick 5 ms after play, 50 ms start delay, 2 s of notes; the
    // stop comes at the end of the tick that reached the end.
    EXPECT_DOUBLE_EQ(r.stopMs, 2055.0);
    EXPECT_EQ(r.stereo.size(), size_t(std::llround((r.stopMs + 500) * 44.1)) * 2);
    EXPECT_LE(Peak16(r.stereo, 0, 2 * 44100 * 55 / 1000), 1);  // silent before the first note
    EXPECT_GT(Peak16(r.stereo, 2 * 44100 * 60 / 1000, 2 * 44100), 500);

    options.speed = 2.0f;
    options.loops = 2;
    EXPECT_DOUBLE_EQ(sx::RenderSong(tune.data(), tune.size(), options).stopMs, 2055.0);
    options.speed = 1.0f;
    options.loops = 1;
    options.fadeOutMs = 1000;
    EXPECT_DOUBLE_EQ(sx::RenderSong(tune.data(), tune.size(), options).stopMs, 3055.0);
    const std::vector<uint8_t> broken = Smf(2, 96, {});
    EXPECT_EQ(sx::RenderSong(broken.data(), broken.size(), options).error, 24);
}

TEST(Render, CommandLinePlayerWritesAWav) {
    // The tool is built beside the game folder that holds the library.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&SXGetDllVersion), &info), 0);
    std::string tool = info.dli_fname;
    tool = tool.substr(0, tool.rfind('/') + 1) + "../bin/sxplay-play";
    if (!std::ifstream(tool)) GTEST_SKIP() << "sxplay-play is not built";
    const std::string mid = testing::TempDir() + "render_test.mid";
    const std::string wav = testing::TempDir() + "render_test.wav";
    const std::vector<uint8_t> tune = Tune();
    std::ofstream(mid, std::ios::binary).write(reinterpret_cast<const char*>(tune.data()), long(tune.size()));
    std::remove(wav.c_str());
    ASSERT_EQ(std::system((tool + " " + mid + " --render " + wav + " > /dev/null").c_str()), 0);
    std::ifstream in(wav, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    const uint32_t dataBytes = bytes[40] | bytes[41] << 8 | bytes[42] << 16 | uint32_t(bytes[43]) << 24;
    EXPECT_EQ(dataBytes, bytes.size() - 44);
    EXPECT_NEAR(dataBytes / 4 / 44100.0, 3.055, 1e-4);  // the tune, the last tick and 1 s of tail
    std::vector<int16_t> samples(dataBytes / 2);
    std::memcpy(samples.data(), bytes.data() + 44, dataBytes);
    EXPECT_GT(Peak16(samples, 0, samples.size()), 500);
}
