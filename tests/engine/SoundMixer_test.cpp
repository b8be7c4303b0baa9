#include <gtest/gtest.h>

#include "SoundWavBuilder.h"
#include "engine/sound/Mixer.h"

using namespace soundtest;

namespace {

WavSound Sound16(const std::vector<int16_t>& samples, uint16_t channels = 1, uint32_t rate = 44100) {
    WavSound sound;
    sound.format = {1, channels, rate, rate * channels * 2, uint16_t(channels * 2), 16, 0, {}};
    sound.data = Pcm16(samples);
    return sound;
}

}  // namespace

TEST(SoundMixer, OverlappingEffectsAddUpSampleBySample) {
    Mixer mixer(44100);
    // The same effect started in two consecutive frames (a frame's mix here
    // is 3 device frames).
    const WavSound effect = Sound16({8192, 16384, -8192, 4096, 2048});
    ASSERT_TRUE(mixer.Start(effect));
    float out[6];
    mixer.Mix(out, 3);
    const float expectFirst[6] = {0.25f, 0.25f, 0.5f, 0.5f, -0.25f, -0.25f};  // mono, centred
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(out[i], expectFirst[i]) << i;
    ASSERT_TRUE(mixer.Start(effect));
    mixer.Mix(out, 3);
    const float expectSecond[6] = {0.125f + 0.25f, 0.125f + 0.25f, 0.0625f + 0.5f,
                                   0.0625f + 0.5f, -0.25f, -0.25f};
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(out[i], expectSecond[i]) << i;
    EXPECT_EQ(mixer.ActiveCount(), 1u);  // the first has finished and is released
    mixer.Mix(out, 3);
    EXPECT_FLOAT_EQ(out[0], 0.125f);
    EXPECT_FLOAT_EQ(out[2], 0.0625f);
    EXPECT_FLOAT_EQ(out[4], 0.0f);
    EXPECT_EQ(mixer.ActiveCount(), 0u);
}

TEST(SoundMixer, LoudSumsAreClippedNotWrapped) {
    Mixer mixer(44100);
    const WavSound loud = Sound16({30000, -30000});
    mixer.Start(loud);
    mixer.Start(loud);
    float out[4];
    mixer.Mix(out, 2);
    EXPECT_FLOAT_EQ(out[0], 1.0f);
    EXPECT_FLOAT_EQ(out[2], -1.0f);
}

TEST(SoundMixer, ConvertsBitsChannelsAndRate) {
    std::vector<float> out;
    WavSound eight;
    eight.format = {1, 1, 44100, 44100, 1, 8, 0, {}};
    eight.data = {128, 255, 0};  // unsigned: silence, almost +1, -1
    ASSERT_TRUE(ConvertToStereo(eight, 44100, out));
    EXPECT_EQ(out, (std::vector<float>{0, 0, 127 / 128.0f, 127 / 128.0f, -1, -1}));
    // Stereo stays left and right; four channels fold into two.
    ASSERT_TRUE(ConvertToStereo(Sound16({16384, -16384}, 2), 44100, out));
    EXPECT_EQ(out, (std::vector<float>{0.5f, -0.5f}));
    ASSERT_TRUE(ConvertToStereo(Sound16({16384, 0, 0, 8192}, 4), 44100, out));
    EXPECT_EQ(out, (std::vector<float>{0.25f, 0.125f}));
    // Half the rate: about twice the frames.
    ASSERT_TRUE(ConvertToStereo(Sound16(std::vector<int16_t>(2205, 1000), 1, 22050), 44100, out));
    EXPECT_NEAR(double(out.size()) / 2, 4410, 64);
}

TEST(SoundMixer, RefusesWhatItCannotPlay) {
    Mixer mixer(48000);
    WavSound sound = Sound16({1, 2, 3});
    sound.format.formatTag = 2;
    EXPECT_FALSE(mixer.Start(sound));
    sound = Sound16({1, 2, 3});
    sound.format.bitsPerSample = 24;
    EXPECT_FALSE(mixer.Start(sound));
    sound = Sound16({1, 2, 3});
    sound.format.blockAlign = 3;  // does not match the channels and bits
    EXPECT_FALSE(mixer.Start(sound));
    sound = Sound16({1, 2, 3});
    sound.format.channels = 0;
    EXPECT_FALSE(mixer.Start(sound));
    EXPECT_FALSE(mixer.Start(Sound16({})));  // nothing to play
    EXPECT_TRUE(mixer.Start(Sound16({1, 2, 3})));
}
