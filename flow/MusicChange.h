#pragma once
// The few places where the game changes its music go through here, so the
// last tune asked for can be read back (tests, the script runner).
#include "engine/text/WString.h"

// Plays a game path ("music\\town3.mid"); a failure is ignored, the old
// tune has stopped already.
void PlayMusic(const WString& path);
// "music\\<file>" with a file name from the tables.
void PlayMusicFile(const WString& file);
const WString& LastMusic();
