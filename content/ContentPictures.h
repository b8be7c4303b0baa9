#pragma once
// Loading the picture of one content row from the file its row names.
// Each load needs the graphics device; without one, or without the file,
// the row keeps an empty texture and stays usable.
#include "content/Records.h"

// "image\effect\<picture>" cut into the row's grid, colour-keyed, hue shifted.
void LoadEffectPicture(EffectData& row);
// "image\enemy\<picture>", colour-keyed, hue shifted, its size scaled.
void LoadEnemyPicture(EnemyData& row);
// "image\face\<faceNumber>.bmp" as it stands.
void LoadCharacterFace(CharacterData& row);
