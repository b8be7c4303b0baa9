#pragma once
// Small building blocks for synthesising sound effects: oscillators,
// noise, filters, envelopes, a room reverb and mixing into a buffer.
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/asset-gen/Dice.h"

namespace assetgen {

using Samples = std::vector<float>;

inline constexpr float kRate = 44100.0f;
inline constexpr float kTwoPi = 6.2831853f;

inline int SampleCount(float seconds) { return int(seconds * kRate); }

// Phase-accumulating oscillator; each call advances one sample.
class Osc {
public:
    float Sine(float hz) { return std::sin(Step(hz) * kTwoPi); }
    // The phase (0..1) before this sample, for phase modulation.
    float Phase(float hz) { return Step(hz); }
    float Tri(float hz) { const float p = Step(hz); return 4 * std::fabs(p - 0.5f) - 1; }
    float Saw(float hz) { return 2 * Step(hz) - 1; }
    float Square(float hz, float duty = 0.5f) { return Step(hz) < duty ? 1.0f : -1.0f; }

private:
    float Step(float hz) {
        const float p = float(phase_);
        phase_ += hz / kRate;
        phase_ -= std::floor(phase_);
        return p;
    }
    double phase_ = 0;
};

class Noise {
public:
    explicit Noise(uint64_t seed) : dice_(seed) {}
    float White() { return float(dice_.Unit()) * 2 - 1; }

private:
    Dice dice_;
};

// State-variable filter (topology-preserving form): stable while the
// cutoff moves, which sweeps need.
class Filter {
public:
    // Returns low-pass; band-pass and high-pass of the same step follow.
    float Run(float x, float cutoff, float resonance = 0.7f) {
        const float g = std::tan(3.14159265f * std::fmin(cutoff, kRate * 0.45f) / kRate);
        const float k = 1.0f / std::fmax(resonance, 0.05f);
        const float a1 = 1 / (1 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        const float v3 = x - ic2_;
        const float v1 = a1 * ic1_ + a2 * v3;
        const float v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2 * v1 - ic1_;
        ic2_ = 2 * v2 - ic2_;
        band_ = v1;
        high_ = x - k * v1 - v2;
        return v2;
    }
    float Band() const { return band_; }
    float High() const { return high_; }

private:
    float ic1_ = 0, ic2_ = 0, band_ = 0, high_ = 0;
};

// Exponential decay from 1 with the given time constant (seconds).
inline float Decay(float t, float tau) { return std::exp(-t / tau); }
// Linear rise over `attack`, then exponential decay.
inline float Hit(float t, float attack, float tau) { return t < attack ? t / attack : std::exp(-(t - attack) / tau); }
// Linear ramp from a to b over [0, length].
inline float Ramp(float t, float length, float a, float b) { return a + (b - a) * std::fmin(std::fmax(t / length, 0.0f), 1.0f); }

// Adds `src` into `dst` from `offset` seconds on, times `gain`.
void MixInto(Samples& dst, const Samples& src, float offset, float gain = 1.0f);
// A small room: four combs and two all-passes, `wet` of it added.
void AddReverb(Samples& s, float wet, float size = 1.0f);
// Soft clipping for grit.
void Drive(Samples& s, float amount);
// Scales the peak to `peak`, and fades the first and last milliseconds so
// the sound starts and ends without a click.
void Finish(Samples& s, float peak = 0.89f);

}  // namespace assetgen
