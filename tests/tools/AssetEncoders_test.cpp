// The file encoders read back by the readers the game uses: SDL for
// bitmaps, the engine's WAV parser, and the MIDI library's parser.
#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/sound/WavFile.h"
#include "sxplay/core/Song.h"
#include "tools/asset-gen/BmpEncoder.h"
#include "tools/asset-gen/MidiEncoder.h"
#include "tools/asset-gen/WavEncoder.h"

using namespace assetgen;

namespace {

SDL_Surface* LoadBmp(const std::vector<uint8_t>& bytes) {
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (loaded == nullptr) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    return argb;
}

uint32_t PixelAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const uint32_t*>(s->pixels)[size_t(y) * (s->pitch / 4) + x];
}

sx::Song ParseMidi(const std::vector<uint8_t>& bytes) {
    sx::Song song;
    EXPECT_EQ(sx::ParseSong(bytes.data(), bytes.size(), song), 0);
    return song;
}

}  // namespace

TEST(BmpEncoder, OpaquePicturesKeepTheirColoursWithPaddedRows) {
    Canvas c(3, 2, Hex(0x102030));  // 9 bytes a row: padded to 12
    c.At(2, 0) = Hex(0xFF8000);
    c.At(0, 1) = Hex(0x00FF7F);
    SDL_Surface* s = LoadBmp(EncodeBmp24(c));
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, 3);
    EXPECT_EQ(s->h, 2);
    EXPECT_EQ(PixelAt(s, 0, 0), 0xFF102030u);
    EXPECT_EQ(PixelAt(s, 2, 0), 0xFFFF8000u);  // rows are stored bottom-up
    EXPECT_EQ(PixelAt(s, 0, 1), 0xFF00FF7Fu);
    SDL_FreeSurface(s);
}

TEST(BmpEncoder, TransparencySurvivesAndTheCornerIsExactlyZero) {
    Canvas c(4, 4);  // transparent
    c.At(1, 1) = Hex(0xFF0000);
    c.At(2, 2) = Hex(0x00FF00, 0.5f);
    c.At(3, 3) = Rgba{0.9f, 0.9f, 0.9f, 0.001f};  // dust rounds to nothing
    SDL_Surface* s = LoadBmp(EncodeBmp32(c));
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(PixelAt(s, 0, 0), 0u);
    EXPECT_EQ(PixelAt(s, 3, 3), 0u);
    EXPECT_EQ(PixelAt(s, 1, 1), 0xFFFF0000u);
    EXPECT_EQ(PixelAt(s, 2, 2) >> 24, 128u);
    EXPECT_EQ(PixelAt(s, 2, 2) & 0xFFFFFF, 0x00FF00u);
    SDL_FreeSurface(s);
}

TEST(WavEncoder, WritesMonoSixteenBitPcmThatTheGameReads) {
    const std::vector<float> samples = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 2.0f, -3.0f};
    const std::vector<uint8_t> bytes = EncodeWav16(samples, 44100);
    WavSound wav;
    ASSERT_TRUE(ParseWav(bytes.data(), bytes.size(), wav));
    EXPECT_EQ(wav.format.formatTag, 1);
    EXPECT_EQ(wav.format.channels, 1);
    EXPECT_EQ(wav.format.samplesPerSec, 44100u);
    EXPECT_EQ(wav.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(wav.format.blockAlign, 2);
    EXPECT_EQ(wav.format.bitsPerSample, 16);
    ASSERT_EQ(wav.data.size(), samples.size() * 2);
    auto at = [&](size_t i) { return int16_t(wav.data[i * 2] | wav.data[i * 2 + 1] << 8); };
    EXPECT_EQ(at(0), 0);
    EXPECT_EQ(at(1), 16384);
    EXPECT_EQ(at(2), -16384);
    EXPECT_EQ(at(3), 32767);
    EXPECT_EQ(at(5), 32767);   // clipped, not wrapped
    EXPECT_EQ(at(6), -32767);
}

TEST(MidiEncoder, FormatOneTracksMergeWithTempoAndLoopMarker) {
    MidiTrack conductor("conductor");
    conductor.Tempo(0, 120);
    conductor.Control(960, 0, 111, 0);
    MidiTrack notes("notes");
    notes.Program(0, 0, 73);
    notes.Note(0, 0, 60, 100, 480);
    notes.Note(960, 0, 64, 100, 480);
    const sx::Song song = ParseMidi(EncodeMidi(480, {conductor, notes}));
    // 120 beats a minute at 480 ticks a beat: 500000 us / 480 ticks.
    bool tempo = false;
    for (const sx::Event& e : song.events) tempo |= e.word == sx::kTempo && std::abs(e.tempo - 500000.0 / 480 * 0.001) < 1e-6;
    EXPECT_TRUE(tempo);
    ASSERT_GT(song.loopStep, 0u);
    // The loop step is the one at tick 960, where the second note starts.
    double ticks = 0;
    for (uint32_t i = 0; i <= song.loopStep; ++i) ticks += song.stepDelay[i];
    EXPECT_DOUBLE_EQ(ticks, 960.0);
}

TEST(MidiEncoder, RepeatedNotesRetriggerAndTheEndCutsWhatStillSounds) {
    MidiTrack t;
    t.Note(0, 0, 60, 100, 960);    // still sounding at 480: ends there
    t.Note(480, 0, 60, 90, 480);   // same key again: off before on
    t.Note(900, 0, 67, 80, 400);   // rings past the end: cut at 960
    t.Note(960, 0, 72, 80, 100);   // starts at the end: dropped
    t.EndAt(960);
    const sx::Song song = ParseMidi(EncodeMidi(480, {t}));
    std::vector<uint32_t> words;
    double tick = 0, last = 0;
    for (size_t i = 0; i < song.StepCount(); ++i) {
        tick += song.stepDelay[i];
        for (uint32_t k = 0; k < song.stepSize[i]; ++k) {
            const uint32_t w = song.events[song.stepFirst[i] + k].word;
            if (w < sx::kChannelLimit) words.push_back(w), last = tick;
        }
    }
    const std::vector<uint32_t> expected = {0x00643C90u, 0x00403C80u, 0x005A3C90u, 0x00504390u, 0x00403C80u, 0x00404380u};
    EXPECT_EQ(words, expected);
    EXPECT_DOUBLE_EQ(last, 960.0);
}
