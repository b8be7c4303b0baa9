#include "tools/asset-gen/Effects.h"

#include <cmath>
#include <functional>
#include <map>

#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/EffectPainters.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

// Effects chosen by a word of the picture name; the first key found wins,
// so the more specific words come first.
struct Entry {
    const char* word;
    EffectPainter painter;
};

const std::vector<Entry>& Painters() {
    static const std::vector<Entry> entries = {
        {"fireslash", [](Cell& c) { PaintSlash(c, SlashStyle::kFire); }},
        {"iceslash", [](Cell& c) { PaintSlash(c, SlashStyle::kIce); }},
        {"thunderslash", [](Cell& c) { PaintSlash(c, SlashStyle::kThunder); }},
        {"multislash", [](Cell& c) { PaintSlash(c, SlashStyle::kMany); }},
        {"bigslash", [](Cell& c) { PaintSlash(c, SlashStyle::kBig); }},
        {"cross", [](Cell& c) { PaintSlash(c, SlashStyle::kCross); }},
        {"slash", [](Cell& c) { PaintSlash(c, SlashStyle::kPlain); }},
        {"knife", [](Cell& c) { PaintSlash(c, SlashStyle::kKnife); }},
        {"shadow", [](Cell& c) { PaintSlash(c, SlashStyle::kShadow); }},
        {"axe", [](Cell& c) { PaintSlash(c, SlashStyle::kAxe); }},
        {"claw", [](Cell& c) { PaintClaw(c); }},
        {"fang", [](Cell& c) { PaintFang(c); }},
        {"firebreath", [](Cell& c) { PaintBreath(c, Hex(0xFF6A20), Hex(0xFFE080)); }},
        {"coldbreath", [](Cell& c) { PaintBreath(c, Hex(0x60C0FF), Hex(0xE8FAFF)); }},
        {"cloud", [](Cell& c) { PaintCloud(c, Hex(0x9A40D0), Hex(0x60E060)); }},
        {"darkmist", [](Cell& c) { PaintCloud(c, Hex(0x6A20A0), Hex(0xC02060)); }},
        {"firepillar", [](Cell& c) { PaintPillar(c, Hex(0xFF5A10), Hex(0xFFE070), true); }},
        {"firestorm", [](Cell& c) { PaintVortex(c, Hex(0xFF5A10), Hex(0xFFD060), true); }},
        {"firebird", [](Cell& c) { PaintFirebird(c); }},
        {"meteor", [](Cell& c) { PaintMeteor(c); }},
        {"explosion", [](Cell& c) { PaintExplosion(c, Hex(0xFF6A20), Hex(0xFFF0A0)); }},
        {"fire", [](Cell& c) { PaintFlames(c, Hex(0xFF5A10), Hex(0xFFE070)); }},
        {"blizzard", [](Cell& c) { PaintBlizzard(c); }},
        {"icepillar", [](Cell& c) { PaintCrystals(c, true); }},
        {"icecoffin", [](Cell& c) { PaintIceBlock(c); }},
        {"diamond", [](Cell& c) { PaintSparkleBurst(c, Hex(0x80D0FF), Hex(0xFFFFFF), 14); }},
        {"zero", [](Cell& c) { PaintRing(c, Hex(0x60C0FF), Hex(0xF0FCFF), true); }},
        {"ice", [](Cell& c) { PaintCrystals(c, false); }},
        {"thunderstorm", [](Cell& c) { PaintBolts(c, 3); }},
        {"bolt", [](Cell& c) { PaintBolts(c, 0); }},
        {"spark", [](Cell& c) { PaintSparks(c); }},
        {"thunder", [](Cell& c) { PaintBolts(c, 1); }},
        {"tornado", [](Cell& c) { PaintVortex(c, Hex(0x80E0A0), Hex(0xF0FFF4), false); }},
        {"storm", [](Cell& c) { PaintVortex(c, Hex(0x60C0A0), Hex(0xE0FFF0), false); }},
        {"vacuum", [](Cell& c) { PaintWindBlades(c); }},
        {"wind", [](Cell& c) { PaintWindSwirl(c); }},
        {"holycross", [](Cell& c) { PaintHolyCross(c); }},
        {"judgement", [](Cell& c) { PaintJudgement(c); }},
        {"holy", [](Cell& c) { PaintPillar(c, Hex(0xFFE8A0), Hex(0xFFFFFF), false); }},
        {"light", [](Cell& c) { PaintSparkleBurst(c, Hex(0xFFE070), Hex(0xFFFFF0), 10); }},
        {"blackhole", [](Cell& c) { PaintVortex(c, Hex(0x8A20D0), Hex(0xE080FF), false); }},
        {"dark", [](Cell& c) { PaintDarkOrb(c); }},
        {"energy", [](Cell& c) { PaintExplosion(c, Hex(0x6090FF), Hex(0xF0F4FF)); }},
        {"kiblast", [](Cell& c) { PaintEnergyBall(c, Hex(0x60C0FF)); }},
        {"magicblow", [](Cell& c) { PaintImpact(c, Hex(0xC070FF), 2); }},
        {"revive", [](Cell& c) { PaintRevive(c); }},
        {"heal2", [](Cell& c) { PaintHeal(c, true); }},
        {"heal", [](Cell& c) { PaintHeal(c, false); }},
        {"charge", [](Cell& c) { PaintCharge(c); }},
        {"dispel", [](Cell& c) { PaintRing(c, Hex(0xE0E0FF), Hex(0xFFFFFF), false); }},
        {"up", [](Cell& c) { PaintArrowsMove(c, true); }},
        {"down", [](Cell& c) { PaintArrowsMove(c, false); }},
        {"arrowrain", [](Cell& c) { PaintArrowRain(c); }},
        {"arrows", [](Cell& c) { PaintArrow(c, 3, false); }},
        {"arrow", [](Cell& c) { PaintArrow(c, 1, false); }},
        {"shot", [](Cell& c) { PaintArrow(c, 1, true); }},
        {"throw", [](Cell& c) { PaintThrow(c); }},
        {"machinegun", [](Cell& c) { PaintGun(c, 5); }},
        {"gun", [](Cell& c) { PaintGun(c, 1); }},
        {"laser", [](Cell& c) { PaintLaser(c); }},
        {"rush", [](Cell& c) { PaintImpact(c, Hex(0xFFE0A0), 4); }},
        {"smash", [](Cell& c) { PaintImpact(c, Hex(0xFFC070), 3); }},
        {"spear", [](Cell& c) { PaintThrust(c, Hex(0xE0F0FF)); }},
        {"sting", [](Cell& c) { PaintThrust(c, Hex(0xC0FF80)); }},
        {"staff", [](Cell& c) { PaintImpact(c, Hex(0xFFF0C0), 0); }},
        {"kick", [](Cell& c) { PaintImpact(c, Hex(0xFFE8B0), 1); }},
        {"punch", [](Cell& c) { PaintImpact(c, Hex(0xFFF4D0), 0); }},
    };
    return entries;
}

EffectPainter FindPainter(const std::string& stem) {
    for (const Entry& e : Painters())
        if (stem.find(e.word) != std::string::npos) return e.painter;
    // Unknown names still animate: an impact in a colour of their own.
    const uint64_t h = HashName(stem);
    const Rgba colour = Hex(0x808080 | uint32_t(h & 0x7F7F7F));
    return [colour](Cell& c) { PaintImpact(c, colour, 1); };
}

}  // namespace

Canvas PaintEffectStrip(const std::string& name, int columns, int rows) {
    const std::string stem = name.substr(0, name.find('.'));
    const EffectPainter painter = FindPainter(stem);
    Canvas strip(kEffectCell * columns, kEffectCell * rows);
    const int frames = columns * rows;
    for (int i = 0; i < frames; ++i) {
        Canvas light(kEffectCell, kEffectCell);
        Cell cell{light, frames > 1 ? float(i) / float(frames - 1) : 0.5f, i, frames, Dice(HashName(stem, 7))};
        painter(cell);
        // Premultiplied light: colour never exceeds coverage.
        for (int y = 0; y < kEffectCell; ++y)
            for (int x = 0; x < kEffectCell; ++x) {
                Rgba p = light.At(x, y);
                p.r = Clamp01(p.r), p.g = Clamp01(p.g), p.b = Clamp01(p.b);
                p.a = Clamp01(std::max({p.a, p.r, p.g, p.b}));
                // A thin border stays clear so neighbouring frames never
                // bleed into each other when the picture is filtered.
                if (x == 0 || y == 0 || x == kEffectCell - 1 || y == kEffectCell - 1 || p.a < 0.004f) p = Rgba{};
                strip.At((i % columns) * kEffectCell + x, (i / columns) * kEffectCell + y) = p;
            }
    }
    return strip;
}

}  // namespace assetgen
