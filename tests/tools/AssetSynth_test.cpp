// The synthesis toolkit: oscillators at their pitch, filters that pass and
// stop what they should, mixing, reverb tails and clean, normalised ends.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/asset-gen/Synth.h"

using namespace assetgen;

namespace {

float Rms(const Samples& s, size_t from = 0) {
    double sum = 0;
    for (size_t i = from; i < s.size(); ++i) sum += double(s[i]) * s[i];
    return float(std::sqrt(sum / double(std::max<size_t>(1, s.size() - from))));
}

Samples Filtered(float hz, float cutoff, int output) {
    Osc osc;
    Filter f;
    Samples s(size_t(kRate / 2));
    for (float& v : s) {
        const float low = f.Run(osc.Sine(hz), cutoff, 0.7f);
        v = output == 0 ? low : (output == 1 ? f.Band() : f.High());
    }
    return s;
}

}  // namespace

TEST(Synth, OscillatorsRunAtTheirPitch) {
    Osc osc;
    int crossings = 0;
    float prev = 0;
    for (int i = 0; i < int(kRate); ++i) {
        const float v = osc.Sine(441);
        crossings += (prev < 0) != (v < 0);
        prev = v;
    }
    EXPECT_NEAR(crossings, 882, 2);
    Osc square;
    float sum = 0;
    for (int i = 0; i < int(kRate); ++i) sum += square.Square(100, 0.25f);
    EXPECT_NEAR(sum / kRate, -0.5f, 0.01f);  // a quarter up, three quarters down
}

TEST(Synth, FiltersPassAndStop) {
    // Low-pass at 500 Hz: 100 Hz passes, 5 kHz is cut well down.
    EXPECT_GT(Rms(Filtered(100, 500, 0), 2000), 0.6f);
    EXPECT_LT(Rms(Filtered(5000, 500, 0), 2000), 0.03f);
    // High-pass is the other way round; band-pass favours its centre.
    EXPECT_LT(Rms(Filtered(100, 2000, 2), 2000), 0.05f);
    EXPECT_GT(Rms(Filtered(1000, 1000, 1), 2000), 2 * Rms(Filtered(8000, 1000, 1), 2000));
    // Sweeping the cutoff to the top stays stable.
    Filter f;
    Osc osc;
    for (int i = 0; i < 44100; ++i) ASSERT_TRUE(std::isfinite(f.Run(osc.Saw(220), 20 + i * 1.0f, 4.0f)));
}

TEST(Synth, MixingReverbAndFinishing) {
    Samples a(100, 0.5f);
    MixInto(a, Samples(100, 1.0f), 0.001f, 0.5f);  // 44 samples later, half as loud
    EXPECT_EQ(a.size(), 144u);
    EXPECT_FLOAT_EQ(a[10], 0.5f);
    EXPECT_FLOAT_EQ(a[50], 1.0f);
    EXPECT_FLOAT_EQ(a[120], 0.5f);

    Samples click(2000, 0.0f);
    click[0] = 1.0f;
    AddReverb(click, 0.5f);
    EXPECT_GT(click.size(), 20000u);
    EXPECT_FLOAT_EQ(click[0], 1.0f);
    EXPECT_GT(Rms(click, 3000), 0.0001f);  // a tail after the dry sound

    Samples tone(20000);
    Osc osc;
    for (float& v : tone) v = 0.3f * osc.Sine(300);
    tone.resize(30000, 0.0f);  // trailing silence is trimmed
    Finish(tone);
    EXPECT_LT(tone.size(), 21000u);
    float peak = 0;
    for (float v : tone) peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.89f, 0.001f);
    EXPECT_FLOAT_EQ(tone.front(), 0.0f);
    EXPECT_FLOAT_EQ(tone.back(), 0.0f);
}
