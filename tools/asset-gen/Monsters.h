#pragma once
// Enemy sprites: a figure per picture name, built from shaded parts with a
// dark outline on a transparent background (the top-left pixel is the
// colour key). Names the designs do not know get a figure chosen from the
// words in the name, or else from its hash, so every row has a picture.
#include <string>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

// `largestScale` is the biggest scale factor a row draws the picture at;
// the picture is sized so that even then it fits the enemies' band of the
// battle screen.
Canvas PaintMonster(const std::string& name, double largestScale);

}  // namespace assetgen
