// The process-wide music player lives in a file of its own, so that only
// programs that use it (the game) open the MIDI device at start-up.
#include "engine/sound/MusicPlayer.h"

#include <cstdio>

#include "sxplay/SxPlay.h"

namespace {

MusicPlayer g_music;

}  // namespace

MusicPlayer& Music() { return g_music; }

void ChooseMusicOutput(int32_t deviceId, const std::string& soundFont) {
    if (deviceId == -1 && soundFont.empty()) return;  // what the player opened with
    if (!soundFont.empty() && SXSetSoundFontA(soundFont.c_str()) != 0) {
        std::fprintf(stderr, "music: cannot read the SoundFont %s; using the system's\n",
                     soundFont.c_str());
    }
    if (Music().Reopen(deviceId) || deviceId == -1) return;
    std::fprintf(stderr, "music: MIDI output %d cannot be opened; using the built-in synthesiser\n",
                 deviceId);
    Music().Reopen(-1);
}
