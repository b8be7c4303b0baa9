#pragma once
// PNG output for looking at pictures outside the game (the contact sheet
// and previews); the game's own files are BMP.
#include <string>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

bool SavePng(const Canvas& picture, const std::string& path);

}  // namespace assetgen
