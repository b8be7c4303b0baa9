#include <gtest/gtest.h>

#include "SoundWavBuilder.h"
#include "engine/sound/WavFile.h"

using namespace soundtest;

TEST(SoundWav, ReadsPcmAndFindsDataAfterOtherChunks) {
    WavSpec layout;
    layout.channels = 2;
    layout.chunksBeforeData = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
    const std::vector<uint8_t> file = Wav(layout, Pcm16({1, -1, 2, -2}));
    WavSound sound;
    ASSERT_TRUE(ParseWav(file.data(), file.size(), sound));
    EXPECT_EQ(sound.format.formatTag, 1);
    EXPECT_EQ(sound.format.channels, 2);
    EXPECT_EQ(sound.format.samplesPerSec, 44100u);
    EXPECT_EQ(sound.format.blockAlign, 4);
    EXPECT_EQ(sound.format.extraSize, 0);
    EXPECT_EQ(sound.data, Pcm16({1, -1, 2, -2}));
}

TEST(SoundWav, RejectsShortFormatChunksAndWrongForms) {
    WavSpec layout;
    layout.fmtSize = 14;
    std::vector<uint8_t> file = Wav(layout, Pcm16({1, 2}));
    // The 14-byte chunk really is 14 bytes: cut the two "bits" bytes out.
    file.erase(file.begin() + 34, file.begin() + 36);
    WavSound sound;
    EXPECT_FALSE(ParseWav(file.data(), file.size(), sound));
    file = Wav(WavSpec(), Pcm16({1, 2}));
    file[8] = 'X';  // not WAVE
    EXPECT_FALSE(ParseWav(file.data(), file.size(), sound));
    file = Wav(WavSpec(), Pcm16({1, 2}));
    file[36] = 'x';  // no data chunk
    EXPECT_FALSE(ParseWav(file.data(), file.size(), sound));
    EXPECT_FALSE(ParseWav(file.data(), 11, sound));
    EXPECT_FALSE(ReadWavFile("/nonexistent/sound.wav", sound));
}

TEST(SoundWav, NonPcmKeepsItsExtraFormatBytes) {
    WavSpec layout;
    layout.tag = 2;  // ADPCM
    layout.bits = 4;
    layout.fmtSize = 18 + 4;
    layout.fmtTail = {4, 0, 0xAA, 0xBB, 0xCC, 0xDD};
    const std::vector<uint8_t> file = Wav(layout, {1, 2, 3, 4});
    WavSound sound;
    ASSERT_TRUE(ParseWav(file.data(), file.size(), sound));
    EXPECT_EQ(sound.format.formatTag, 2);
    EXPECT_EQ(sound.format.extraSize, 4);
    EXPECT_EQ(sound.format.extra, (std::vector<uint8_t>{0xAA, 0xBB, 0xCC, 0xDD}));
    // An extra size that runs past the chunk is refused.
    layout.fmtTail = {9, 0, 0xAA, 0xBB, 0xCC, 0xDD};
    const std::vector<uint8_t> bad = Wav(layout, {1, 2, 3, 4});
    EXPECT_FALSE(ParseWav(bad.data(), bad.size(), sound));
}

TEST(SoundWav, DataCutShortKeepsWhatIsThere) {
    std::vector<uint8_t> file = Wav(WavSpec(), Pcm16({5, 6, 7, 8}));
    file.resize(file.size() - 3);
    WavSound sound;
    ASSERT_TRUE(ParseWav(file.data(), file.size(), sound));
    EXPECT_EQ(sound.data.size(), 5u);
}
