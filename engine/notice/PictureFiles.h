#pragma once
// Loading a picture of the game's files: one that is missing or broken
// leaves the texture empty (callers draw nothing for it) and is reported
// once as missing. Without a device nothing loads and nothing is reported:
// the tables are also built where there is no window.
#include "engine/graphics/Geometry.h"
#include "engine/graphics/Texture.h"
#include "engine/text/WString.h"

bool LoadGamePicture(Texture& texture, const WString& path, Size grid = {1, 1});
