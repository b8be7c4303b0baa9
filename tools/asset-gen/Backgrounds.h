#pragma once
// The 20 background pictures, 640 x 480: 0 title, 1 town, 3 camp, and one
// scene per kind of place the areas lead to; the rest are more places of
// the same world, so every number a row may name shows something fitting.
#include "tools/asset-gen/Canvas.h"

namespace assetgen {

inline constexpr int kBackgroundCount = 20;
inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

Canvas PaintBackground(int number);

// Keeps every channel in range and makes the picture fully opaque.
inline void Clip(Canvas& c) {
    for (Rgba& p : c.Pixels()) p = {Clamp01(p.r), Clamp01(p.g), Clamp01(p.b), 1};
}

// The scenes, by what they show.
Canvas PaintTitleSky();
Canvas PaintTown();
Canvas PaintGrassland(bool night);
Canvas PaintCamp();
Canvas PaintForest();
Canvas PaintCave();
Canvas PaintMountain();
Canvas PaintSnowfield();
Canvas PaintDemonSea();
Canvas PaintSunsetCoast();
Canvas PaintPromisedLand();
Canvas PaintAboveClouds();
Canvas PaintCastleHall();
Canvas PaintCastleOutside();
Canvas PaintDesert();
Canvas PaintVolcano();
Canvas PaintRuins();
Canvas PaintUnderwater();
Canvas PaintVoid();

}  // namespace assetgen
