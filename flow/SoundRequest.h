#pragma once
// The one sound effect a frame's update asks for: cleared when the update
// starts, played ("sound\<name>.wav") when it ends. The last request wins.
#include "engine/text/WString.h"

void RequestSound(const WString& name);
const WString& CurrentSoundRequest();
void ClearSoundRequest();
// Plays the request, if any, through the sound-effect player.
void PlaySoundRequest();
// The game path of a request name.
WString SoundRequestPath(const WString& name);
