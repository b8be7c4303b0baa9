#pragma once
// The painters of hit effect frames. Each paints one frame (time t from 0
// to 1 over the strip) as light added onto a transparent 96 x 96 cell; the
// dice are seeded the same for every frame of a strip, so particles drawn
// from them keep their places and move smoothly from frame to frame.
#include <functional>

#include "tools/asset-gen/Canvas.h"
#include "tools/asset-gen/Dice.h"

namespace assetgen {

struct Cell {
    Canvas& light;
    float t;
    int frame, frames;
    Dice dice;
};

using EffectPainter = std::function<void(Cell&)>;

enum class SlashStyle { kPlain, kBig, kCross, kMany, kKnife, kShadow, kAxe, kFire, kIce, kThunder };

void PaintSlash(Cell& c, SlashStyle style);
void PaintClaw(Cell& c);
void PaintFang(Cell& c);
// variant: 0 blow, 1 kick, 2 magic blow, 3 smash, 4 flurry of blows
void PaintImpact(Cell& c, Rgba colour, int variant);
void PaintThrust(Cell& c, Rgba colour);
void PaintArrow(Cell& c, int count, bool glowing);
void PaintArrowRain(Cell& c);
void PaintThrow(Cell& c);
void PaintGun(Cell& c, int shots);
void PaintLaser(Cell& c);
void PaintEnergyBall(Cell& c, Rgba colour);
void PaintExplosion(Cell& c, Rgba outer, Rgba core);
void PaintFlames(Cell& c, Rgba outer, Rgba core);
void PaintPillar(Cell& c, Rgba outer, Rgba core, bool fire);
void PaintVortex(Cell& c, Rgba outer, Rgba core, bool embers);
void PaintFirebird(Cell& c);
void PaintMeteor(Cell& c);
void PaintBlizzard(Cell& c);
void PaintCrystals(Cell& c, bool pillar);
void PaintIceBlock(Cell& c);
void PaintSparkleBurst(Cell& c, Rgba outer, Rgba core, int count);
void PaintRing(Cell& c, Rgba outer, Rgba core, bool frost);
// bolts: 0 one huge bolt, 1 one bolt, more: a storm of them
void PaintBolts(Cell& c, int bolts);
void PaintSparks(Cell& c);
void PaintWindBlades(Cell& c);
void PaintWindSwirl(Cell& c);
void PaintHolyCross(Cell& c);
void PaintJudgement(Cell& c);
void PaintDarkOrb(Cell& c);
void PaintRevive(Cell& c);
void PaintHeal(Cell& c, bool big);
void PaintCharge(Cell& c);
void PaintArrowsMove(Cell& c, bool up);
void PaintBreath(Cell& c, Rgba outer, Rgba core);
void PaintCloud(Cell& c, Rgba outer, Rgba core);

}  // namespace assetgen
