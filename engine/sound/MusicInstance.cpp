// The process-wide music player lives in a file of its own, so that only
// programs that use it (the game) open the MIDI device at start-up.
#include "engine/sound/MusicPlayer.h"

namespace {

MusicPlayer g_music;

}  // namespace

MusicPlayer& Music() { return g_music; }
