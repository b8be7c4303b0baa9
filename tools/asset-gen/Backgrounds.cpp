#include "tools/asset-gen/Backgrounds.h"

namespace assetgen {

Canvas PaintBackground(int number) {
    switch (number) {
        case 0: return PaintTitleSky();
        case 1: return PaintTown();
        case 2: return PaintGrassland(false);
        case 3: return PaintCamp();
        case 4: return PaintForest();
        case 5: return PaintCave();
        case 6: return PaintMountain();
        case 7: return PaintSnowfield();
        case 8: return PaintDemonSea();
        case 9: return PaintSunsetCoast();
        case 10: return PaintPromisedLand();
        case 11: return PaintAboveClouds();
        case 12: return PaintCastleHall();
        case 13: return PaintCastleOutside();
        case 14: return PaintDesert();
        case 15: return PaintVolcano();
        case 16: return PaintGrassland(true);
        case 17: return PaintRuins();
        case 18: return PaintUnderwater();
        default: return PaintVoid();
    }
}

}  // namespace assetgen
