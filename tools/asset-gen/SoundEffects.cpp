#include "tools/asset-gen/SoundEffects.h"

#include <cmath>
#include <functional>
#include <map>

#include "tools/asset-gen/Synth.h"

namespace assetgen {

namespace {

// ---- Sound pieces ---------------------------------------------------------

// A pitched tone sliding from f0 to f1, shaped by Hit(attack, tau).
Samples Tone(float f0, float f1, float seconds, float attack, float tau, int wave = 0, float cutoff = 8000) {
    Samples s(size_t(SampleCount(seconds)));
    Osc osc;
    Filter lp;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        const float f = f0 * std::pow(f1 / f0, t / seconds);
        float v = wave == 0 ? osc.Sine(f) : (wave == 1 ? osc.Square(f) : (wave == 2 ? osc.Saw(f) : osc.Tri(f)));
        if (wave != 0) v = lp.Run(v, cutoff);
        s[i] = v * Hit(t, attack, tau);
    }
    return s;
}

// A struck bell: frequency modulation fading faster than the tone.
Samples Bell(float hz, float seconds, float tau, float brightness = 2.0f, float ratio = 1.41f) {
    Samples s(size_t(SampleCount(seconds)));
    Osc carrier, mod;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        const float index = brightness * Decay(t, tau * 0.4f);
        const float m = mod.Sine(hz * ratio) * index;
        s[i] = std::sin(kTwoPi * carrier.Phase(hz) + m) * Hit(t, 0.002f, tau);
    }
    return s;
}

// Filtered noise whose cutoff slides from c0 to c1; band-pass when `band`.
Samples NoiseSweep(float seconds, float c0, float c1, float attack, float tau, bool band, uint64_t seed, float q = 0.8f) {
    Samples s(size_t(SampleCount(seconds)));
    Noise noise(seed);
    Filter f;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        const float cut = c0 * std::pow(c1 / c0, t / seconds);
        const float low = f.Run(noise.White(), cut, q);
        s[i] = (band ? f.Band() * 1.6f : low) * Hit(t, attack, tau);
    }
    return s;
}

// A swish rising and falling through a band.
Samples Whoosh(float seconds, float c0, float c1, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)));
    Noise noise(seed);
    Filter f;
    for (size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate, u = t / seconds;
        f.Run(noise.White(), c0 * std::pow(c1 / c0, u), 1.6f);
        s[i] = f.Band() * std::sin(3.14159f * u) * std::sin(3.14159f * u) * 2.2f;
    }
    return s;
}

// A low body blow: a sine dropping in pitch with a click on top.
Samples Thump(float f0, float f1, float seconds, uint64_t seed) {
    Samples s = Tone(f0, f1, seconds, 0.002f, seconds * 0.35f);
    MixInto(s, NoiseSweep(0.03f, 4000, 800, 0.001f, 0.008f, false, seed), 0, 0.6f);
    return s;
}

// Metal ringing: a few inharmonic partials.
Samples Ring(float base, float seconds, float tau) {
    Samples s(size_t(SampleCount(seconds)), 0.0f);
    const float partials[] = {1.0f, 1.47f, 1.93f, 2.61f};
    for (int k = 0; k < 4; ++k) MixInto(s, Tone(base * partials[k], base * partials[k], seconds, 0.001f, tau / (1 + k * 0.4f)), 0, 0.35f / (1 + k * 0.5f));
    return s;
}

// Random clicks through a band: fire crackle, debris, ice.
Samples Crackle(float seconds, float density, float band, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)), 0.0f);
    Dice dice(seed);
    Noise noise(seed + 1);
    Filter f;
    float level = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (dice.Unit() < density / kRate) level = float(dice.Range(0.3f, 1.0f));
        level *= 0.992f;
        f.Run(noise.White() * level, band, 1.2f);
        s[i] = f.Band() * 2;
    }
    return s;
}

// A rumble: deep noise with a slow swell.
Samples Rumble(float seconds, float cutoff, float attack, float tau, uint64_t seed) {
    return NoiseSweep(seconds, cutoff, cutoff * 0.6f, attack, tau, false, seed, 0.9f);
}

Samples Chord(const std::vector<float>& hz, float seconds, float attack, float tau, int wave, float cutoff, float detune = 0) {
    Samples s(size_t(SampleCount(seconds)), 0.0f);
    for (float f : hz) {
        MixInto(s, Tone(f, f, seconds, attack, tau, wave, cutoff), 0, 0.3f);
        if (detune > 0) MixInto(s, Tone(f * (1 + detune), f * (1 + detune), seconds, attack, tau, wave, cutoff), 0, 0.3f);
    }
    return s;
}

float Note(int midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

// ---- The sounds ------------------------------------------------------------

Samples Punch(uint64_t seed) {
    Samples s = Thump(170, 50, 0.2f, seed);
    MixInto(s, NoiseSweep(0.06f, 3000, 600, 0.001f, 0.015f, false, seed + 1), 0, 0.7f);
    return s;
}

Samples Slash(uint64_t seed, float length, float ringHz) {
    Samples s = Whoosh(length, 700, 6000, seed);
    MixInto(s, Ring(ringHz, 0.35f, 0.12f), length * 0.55f, 0.5f);
    return s;
}

Samples Arrow(uint64_t seed) {
    Samples s = Tone(2600, 1300, 0.22f, 0.01f, 0.2f);
    for (float& v : s) v *= 0.4f;
    MixInto(s, Whoosh(0.22f, 2000, 5000, seed), 0, 0.5f);
    MixInto(s, Thump(260, 120, 0.08f, seed + 1), 0.2f, 0.9f);
    return s;
}

Samples Gunshot(uint64_t seed) {
    Samples s = NoiseSweep(0.03f, 9000, 3000, 0.0005f, 0.008f, false, seed);
    MixInto(s, Thump(140, 40, 0.2f, seed + 1), 0, 0.9f);
    MixInto(s, Rumble(0.35f, 900, 0.002f, 0.09f, seed + 2), 0, 0.5f);
    return s;
}

Samples Flame(float seconds, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)));
    Noise noise(seed);
    Filter f;
    for (size_t i = 0; i < s.size(); ++i) {
        const float u = float(i) / float(s.size());
        const float cut = 500 + 2600 * std::sin(3.14159f * std::sqrt(u));
        s[i] = f.Run(noise.White(), cut, 0.7f) * std::sin(3.14159f * std::pow(u, 0.6f));
    }
    MixInto(s, Crackle(seconds, 40, 2500, seed + 3), 0, 0.25f);
    return s;
}

Samples Explosion(float seconds, uint64_t seed) {
    Samples s = NoiseSweep(seconds, 4000, 90, 0.003f, seconds * 0.3f, false, seed, 0.7f);
    MixInto(s, Thump(90, 30, seconds * 0.6f, seed + 1), 0, 1.2f);
    MixInto(s, Crackle(seconds * 0.6f, 60, 1800, seed + 2), 0.05f, 0.3f);
    return s;
}

Samples Crystal(float seconds, int pings, float low, float high, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)), 0.0f);
    Dice dice(seed);
    for (int i = 0; i < pings; ++i) MixInto(s, Bell(dice.Range(low, high), 0.5f, 0.12f, 3.0f, 2.76f), dice.Range(0, seconds * 0.5f), 0.35f);
    MixInto(s, NoiseSweep(0.08f, 9000, 5000, 0.001f, 0.02f, true, seed + 1), 0, 0.4f);
    AddReverb(s, 0.35f);
    return s;
}

Samples Thunder(float seconds, uint64_t seed) {
    Samples s = NoiseSweep(0.12f, 9000, 2000, 0.001f, 0.03f, false, seed);
    // The zap: noise chopped by a fast buzz.
    Samples zap(size_t(SampleCount(0.3f)));
    Noise noise(seed + 1);
    Osc buzz;
    for (size_t i = 0; i < zap.size(); ++i) {
        const float t = float(i) / kRate;
        zap[i] = noise.White() * (buzz.Square(70) > 0 ? 1.0f : 0.2f) * Decay(t, 0.1f);
    }
    MixInto(s, zap, 0, 0.6f);
    MixInto(s, Rumble(seconds, 250, 0.05f, seconds * 0.35f, seed + 2), 0.05f, 1.4f);
    return s;
}

Samples Wind(float seconds, float resonance, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)));
    Noise noise(seed);
    Filter f;
    Osc lfo;
    for (size_t i = 0; i < s.size(); ++i) {
        const float u = float(i) / float(s.size());
        const float cut = 500 + 900 * (0.5f + 0.5f * lfo.Sine(2.2f)) + 800 * u;
        f.Run(noise.White(), cut, resonance);
        s[i] = f.Band() * std::sin(3.14159f * u) * 2.5f;
    }
    return s;
}

Samples Arpeggio(const std::vector<int>& notes, float step, float tau, float brightness) {
    Samples s;
    for (size_t i = 0; i < notes.size(); ++i) MixInto(s, Bell(Note(notes[i]), tau * 5, tau, brightness), step * float(i), 0.5f);
    return s;
}

Samples Shimmer(float seconds, uint64_t seed) {
    Samples s(size_t(SampleCount(seconds)), 0.0f);
    Dice dice(seed);
    for (int i = 0; i < 14; ++i) MixInto(s, Bell(dice.Range(2500, 6000), 0.3f, 0.06f, 1.0f), dice.Range(0, seconds * 0.8f), 0.15f);
    return s;
}

using Recipe = std::function<Samples(uint64_t)>;

const std::map<std::string, Recipe>& Recipes() {
    static const std::map<std::string, Recipe> recipes = {
        // The screens.
        {"cur", [](uint64_t) { return Bell(Note(91), 0.08f, 0.025f, 0.8f); }},
        {"decide", [](uint64_t) { Samples s = Bell(Note(84), 0.25f, 0.07f, 1.2f); MixInto(s, Bell(Note(91), 0.3f, 0.09f, 1.2f), 0.07f, 1.0f); return s; }},
        {"cancel", [](uint64_t) { Samples s = Tone(Note(76), Note(76), 0.08f, 0.002f, 0.04f, 1, 2500); MixInto(s, Tone(Note(69), Note(69), 0.12f, 0.002f, 0.05f, 1, 2000), 0.07f); return s; }},
        {"power21", [](uint64_t seed) {
             Samples s = Arpeggio({72, 76, 79, 84, 88}, 0.07f, 0.12f, 1.5f);
             MixInto(s, Bell(Note(96), 0.9f, 0.3f, 1.0f), 0.35f, 0.6f);
             MixInto(s, Shimmer(0.8f, seed), 0.3f, 0.6f);
             AddReverb(s, 0.3f);
             return s;
         }},
        // Blows.
        {"punch", [](uint64_t seed) { return Punch(seed); }},
        {"punch2", [](uint64_t seed) { Samples s; for (int i = 0; i < 4; ++i) MixInto(s, Punch(seed + uint64_t(i)), i * 0.09f, i == 3 ? 1.2f : 0.8f); return s; }},
        {"kick", [](uint64_t seed) { Samples s = Whoosh(0.12f, 400, 1800, seed); MixInto(s, Punch(seed + 1), 0.09f, 1.1f); return s; }},
        {"blast", [](uint64_t seed) { Samples s = Tone(220, 60, 0.5f, 0.01f, 0.18f, 2, 1500); MixInto(s, Explosion(0.5f, seed), 0, 0.7f); AddReverb(s, 0.3f); return s; }},
        {"staff", [](uint64_t seed) { Samples s = Tone(430, 380, 0.15f, 0.001f, 0.05f); MixInto(s, NoiseSweep(0.05f, 1400, 1000, 0.001f, 0.015f, true, seed, 3.0f), 0, 0.8f); MixInto(s, Tone(300, 280, 0.12f, 0.001f, 0.04f), 0.01f, 0.5f); return s; }},
        {"smash", [](uint64_t seed) { Samples s = Thump(110, 35, 0.4f, seed); MixInto(s, Crackle(0.5f, 90, 1600, seed + 1), 0.02f, 0.6f); MixInto(s, Rumble(0.6f, 300, 0.01f, 0.2f, seed + 2), 0, 0.8f); return s; }},
        // Blades.
        {"knife", [](uint64_t seed) { Samples s = Whoosh(0.1f, 2000, 7000, seed); MixInto(s, Ring(3400, 0.2f, 0.07f), 0.06f, 0.4f); return s; }},
        {"throw", [](uint64_t seed) { Samples s = Whoosh(0.2f, 900, 3500, seed); MixInto(s, Thump(320, 160, 0.06f, seed + 1), 0.18f, 0.7f); return s; }},
        {"shadow", [](uint64_t seed) {
             Samples s = NoiseSweep(0.35f, 700, 180, 0.12f, 0.15f, false, seed);
             MixInto(s, Chord({55, 58.3f}, 0.4f, 0.25f, 0.1f, 2, 500), 0, 0.7f);
             MixInto(s, Whoosh(0.15f, 1500, 5000, seed + 1), 0.2f, 0.6f);
             AddReverb(s, 0.3f);
             return s;
         }},
        {"slash", [](uint64_t seed) { return Slash(seed, 0.16f, 2800); }},
        {"slash2", [](uint64_t seed) { Samples s = Slash(seed, 0.13f, 3000); MixInto(s, Slash(seed + 1, 0.13f, 3300), 0.13f, 0.9f); return s; }},
        {"slash3", [](uint64_t seed) { Samples s = Slash(seed, 0.3f, 2200); MixInto(s, Thump(100, 40, 0.35f, seed + 1), 0.2f, 0.9f); AddReverb(s, 0.25f); return s; }},
        {"spear", [](uint64_t seed) { Samples s = Whoosh(0.09f, 1200, 4000, seed); MixInto(s, Ring(4200, 0.2f, 0.06f), 0.05f, 0.5f); MixInto(s, Thump(200, 90, 0.1f, seed + 1), 0.07f, 0.6f); return s; }},
        {"axe", [](uint64_t seed) { Samples s = Whoosh(0.25f, 300, 1600, seed); MixInto(s, Thump(120, 40, 0.3f, seed + 1), 0.2f, 1.0f); MixInto(s, Ring(900, 0.3f, 0.1f), 0.2f, 0.5f); return s; }},
        // Claws and teeth.
        {"claw", [](uint64_t seed) { Samples s; for (int i = 0; i < 3; ++i) MixInto(s, NoiseSweep(0.05f, 6000, 2500, 0.002f, 0.02f, true, seed + uint64_t(i), 1.5f), i * 0.06f, 1.0f); return s; }},
        {"bite", [](uint64_t seed) { Samples s = NoiseSweep(0.06f, 1800, 700, 0.001f, 0.02f, false, seed); MixInto(s, Thump(180, 80, 0.12f, seed + 1), 0, 0.7f); MixInto(s, NoiseSweep(0.05f, 3000, 1000, 0.001f, 0.015f, false, seed + 2), 0.08f, 0.9f); return s; }},
        {"sting", [](uint64_t seed) { Samples s = Tone(2200, 500, 0.09f, 0.001f, 0.05f); MixInto(s, NoiseSweep(0.12f, 1200, 300, 0.005f, 0.04f, false, seed), 0.07f, 0.6f); return s; }},
        // Bows and guns.
        {"arrow", [](uint64_t seed) { return Arrow(seed); }},
        {"arrow2", [](uint64_t seed) { Samples s; for (int i = 0; i < 3; ++i) MixInto(s, Arrow(seed + uint64_t(i)), i * 0.07f, 0.8f); return s; }},
        {"arrow3", [](uint64_t seed) { Samples s = Arrow(seed); MixInto(s, Shimmer(0.5f, seed + 1), 0.05f, 0.7f); AddReverb(s, 0.25f); return s; }},
        {"gun", [](uint64_t seed) { Samples s = Gunshot(seed); AddReverb(s, 0.2f); return s; }},
        {"gun2", [](uint64_t seed) { Samples s; for (int i = 0; i < 5; ++i) MixInto(s, Gunshot(seed + uint64_t(i)), i * 0.075f, 0.8f); AddReverb(s, 0.15f); return s; }},
        {"laser", [](uint64_t) {
             Samples s(size_t(SampleCount(0.4f)));
             Osc a, vib;
             Filter lp;
             for (size_t i = 0; i < s.size(); ++i) {
                 const float t = float(i) / kRate;
                 s[i] = lp.Run(a.Saw(3000 * std::pow(0.1f, t / 0.4f) * (1 + 0.05f * vib.Sine(30))), 5000) * Hit(t, 0.005f, 0.15f);
             }
             return s;
         }},
        // Magic.
        {"magic1", [](uint64_t seed) { Samples s = Tone(400, 1600, 0.3f, 0.02f, 0.15f, 3, 6000); MixInto(s, Shimmer(0.5f, seed), 0.05f, 1.0f); AddReverb(s, 0.35f); return s; }},
        {"magic2", [](uint64_t seed) { Samples s = Tone(100, 800, 0.5f, 0.4f, 0.1f, 2, 2500); MixInto(s, Explosion(0.5f, seed), 0.45f, 0.7f); AddReverb(s, 0.3f); return s; }},
        {"heal", [](uint64_t seed) { Samples s = Arpeggio({72, 76, 79, 81, 84, 88}, 0.08f, 0.15f, 0.9f); MixInto(s, Shimmer(0.8f, seed), 0.1f, 0.5f); AddReverb(s, 0.4f); return s; }},
        {"heal2", [](uint64_t seed) {
             Samples s = Chord({Note(60), Note(64), Note(67), Note(72)}, 1.2f, 0.2f, 0.5f, 0, 8000);
             MixInto(s, Arpeggio({72, 76, 79, 84, 88, 91, 96}, 0.07f, 0.15f, 0.9f), 0.05f, 0.8f);
             MixInto(s, Shimmer(1.0f, seed), 0.2f, 0.5f);
             AddReverb(s, 0.45f);
             return s;
         }},
        {"revive", [](uint64_t seed) {
             Samples s = Chord({Note(60), Note(64), Note(67), Note(72)}, 1.5f, 0.5f, 0.6f, 2, 1800, 0.006f);
             MixInto(s, Arpeggio({84, 88, 91, 96}, 0.12f, 0.2f, 0.8f), 0.5f, 0.7f);
             MixInto(s, Shimmer(1.2f, seed), 0.4f, 0.6f);
             AddReverb(s, 0.5f, 1.3f);
             return s;
         }},
        {"charge", [](uint64_t seed) { Samples s = Tone(80, 700, 0.8f, 0.7f, 0.05f, 2, 3000); MixInto(s, NoiseSweep(0.8f, 300, 5000, 0.7f, 0.05f, true, seed), 0, 0.5f); return s; }},
        {"up", [](uint64_t) { Samples s = Tone(600, 1300, 0.15f, 0.005f, 0.08f, 3, 6000); MixInto(s, Tone(800, 1700, 0.18f, 0.005f, 0.1f, 3, 6000), 0.12f); AddReverb(s, 0.2f); return s; }},
        {"down", [](uint64_t) {
             Samples s(size_t(SampleCount(0.5f)));
             Osc a, vib;
             Filter lp;
             for (size_t i = 0; i < s.size(); ++i) {
                 const float t = float(i) / kRate;
                 s[i] = lp.Run(a.Square(800 * std::pow(0.25f, t / 0.5f) * (1 + 0.06f * vib.Sine(12))), 2000) * Hit(t, 0.01f, 0.2f);
             }
             return s;
         }},
        {"dispel", [](uint64_t seed) { return Crystal(0.6f, 16, 2500, 6500, seed); }},
        // Elements.
        {"fire1", [](uint64_t seed) { return Flame(0.6f, seed); }},
        {"fire2", [](uint64_t seed) { Samples s = Flame(0.9f, seed); MixInto(s, Rumble(0.9f, 200, 0.1f, 0.3f, seed + 5), 0, 0.8f); return s; }},
        {"fire3", [](uint64_t seed) { Samples s = Flame(1.4f, seed); MixInto(s, Flame(1.2f, seed + 7), 0.2f, 0.7f); MixInto(s, Rumble(1.4f, 160, 0.2f, 0.5f, seed + 9), 0, 1.0f); return s; }},
        {"explosion", [](uint64_t seed) { Samples s = Explosion(1.2f, seed); AddReverb(s, 0.2f); return s; }},
        {"ice1", [](uint64_t seed) { return Crystal(0.5f, 6, 2000, 4500, seed); }},
        {"ice2", [](uint64_t seed) { Samples s = Wind(0.9f, 2.0f, seed); MixInto(s, Crystal(0.6f, 8, 2500, 5000, seed + 1), 0.2f, 1.0f); return s; }},
        {"ice3", [](uint64_t seed) { Samples s = Crystal(1.0f, 20, 1500, 6000, seed); MixInto(s, NoiseSweep(0.5f, 7000, 1500, 0.002f, 0.12f, false, seed + 2), 0.3f, 0.6f); return s; }},
        {"thunder1", [](uint64_t seed) { return Thunder(0.5f, seed); }},
        {"thunder2", [](uint64_t seed) { return Thunder(1.2f, seed); }},
        {"thunder3", [](uint64_t seed) { Samples s = Thunder(1.8f, seed); MixInto(s, Thunder(1.2f, seed + 3), 0.15f, 0.8f); return s; }},
        {"wind1", [](uint64_t seed) { return Wind(0.6f, 1.5f, seed); }},
        {"wind2", [](uint64_t seed) { Samples s = Wind(1.2f, 4.0f, seed); MixInto(s, Wind(1.0f, 2.0f, seed + 1), 0.15f, 0.7f); return s; }},
        {"light1", [](uint64_t seed) { Samples s = Chord({Note(84), Note(88), Note(91)}, 0.8f, 0.05f, 0.3f, 0, 9000); MixInto(s, Shimmer(0.7f, seed), 0, 0.8f); AddReverb(s, 0.4f); return s; }},
        {"light2", [](uint64_t seed) {
             Samples s = Chord({Note(72), Note(76), Note(79), Note(84)}, 1.4f, 0.3f, 0.5f, 2, 3000, 0.005f);
             MixInto(s, Arpeggio({84, 91, 96}, 0.1f, 0.25f, 1.2f), 0.3f, 0.8f);
             MixInto(s, Shimmer(1.2f, seed), 0.2f, 0.7f);
             AddReverb(s, 0.5f, 1.3f);
             return s;
         }},
        {"dark1", [](uint64_t seed) { Samples s = Chord({55, 58.3f, 82.4f}, 0.9f, 0.4f, 0.25f, 2, 600); MixInto(s, NoiseSweep(0.8f, 200, 1200, 0.6f, 0.05f, true, seed), 0, 0.5f); AddReverb(s, 0.35f); return s; }},
        {"dark2", [](uint64_t seed) { Samples s = NoiseSweep(0.6f, 300, 3000, 0.55f, 0.03f, false, seed); MixInto(s, Thump(70, 25, 0.8f, seed + 1), 0.55f, 1.3f); AddReverb(s, 0.4f, 1.2f); return s; }},
        {"breath", [](uint64_t seed) {
             Samples s(size_t(SampleCount(1.0f)));
             Noise noise(seed);
             Filter f;
             Osc growl;
             for (size_t i = 0; i < s.size(); ++i) {
                 const float u = float(i) / float(s.size());
                 s[i] = f.Run(noise.White(), 400 + 1400 * std::sin(3.14159f * u), 0.8f) * std::sin(3.14159f * std::pow(u, 0.7f)) * (0.7f + 0.3f * growl.Sine(28));
             }
             return s;
         }},
    };
    return recipes;
}

Recipe FindRecipe(const std::string& stem) {
    const auto& recipes = Recipes();
    if (auto it = recipes.find(stem); it != recipes.end()) return it->second;
    // Unknown names: a sound of the same kind when a word says which, else
    // a plain blow.
    for (const char* word : {"fire", "ice", "thunder", "wind", "light", "dark", "heal", "slash", "arrow", "gun", "magic", "punch"}) {
        if (stem.find(word) != std::string::npos) {
            for (const auto& [key, recipe] : recipes)
                if (key.starts_with(word)) return recipe;
        }
    }
    return recipes.at("punch");
}

}  // namespace

std::vector<float> SynthesizeSound(const std::string& name) {
    const std::string stem = name.ends_with(".wav") ? name.substr(0, name.size() - 4) : name;
    Samples s = FindRecipe(stem)(HashName(stem));
    Finish(s);
    return s;
}

}  // namespace assetgen
