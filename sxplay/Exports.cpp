// The 22 exported functions (and the SoundFont choice) over the library's one player. The player is
// made when the library is loaded and closes the device when it is unloaded.
#include <unistd.h>

#include <optional>

#include "sxplay/SxPlay.h"
#include "sxplay/core/Errors.h"
#include "sxplay/core/Player.h"
#include "sxplay/core/Synth.h"

namespace {

std::optional<sx::Player> g_player;

__attribute__((constructor)) void LibraryLoaded() { g_player.emplace(sx::DefaultDeps()); }
__attribute__((destructor)) void LibraryUnloaded() { g_player.reset(); }

sx::Player& P() { return *g_player; }

}  // namespace

int32_t SXGetDllVersion(void) { return sx::kLibraryVersion; }
int32_t SXOpenDevice(int32_t deviceId, pthread_t* thread) { return P().OpenDevice(deviceId, thread); }
int32_t SXCloseDevice(void) { return P().CloseDevice(); }
int32_t SXLoadMusicA(const char* path) { return SXLoadMusicExA(path, nullptr, 0, 0); }
int32_t SXLoadMusicW(const char16_t* path) { return SXLoadMusicExW(path, nullptr, 0, 0); }
int32_t SXLoadMusicExA(const char* text, const void* module, uint32_t typeOrSize, uint32_t) {
    return P().LoadMusicNarrow(text, module, typeOrSize);
}
int32_t SXLoadMusicExW(const char16_t* text, const void* module, uint32_t typeOrSize, uint32_t) {
    return P().LoadMusic(text, module, typeOrSize);
}
int32_t SXPlayMusic(void) { return P().Play(); }
int32_t SXStopMusic(void) { return P().Stop(); }
int32_t SXWaitMusic(void) { return P().Pause(); }
int32_t SXRestartMusic(void) { return P().Resume(); }
int32_t SXFadeOut(uint32_t ms) { return P().FadeOut(ms); }
int32_t SXFadeIn(uint32_t ms) { return P().FadeIn(ms); }
int32_t SXSendSysEx(const uint8_t* data, int32_t length) { return P().SendSysEx(data, length); }
int32_t SXSetCaps(int32_t type, intptr_t value) { return P().SetCaps(type, value); }
int32_t SXGetCaps(int32_t type, intptr_t* result) { return P().GetCaps(type, result); }
int32_t SXGetStatus(void* destination, uint32_t size) { return P().GetStatus(destination, size); }
int32_t SXGetErrorStringA(int32_t code, char* buffer, uint32_t maximum) {
    return sx::ErrorStringA(code, buffer, maximum);
}
int32_t SXGetErrorStringW(int32_t code, char16_t* buffer, uint32_t maximum) {
    return sx::ErrorStringW(code, buffer, maximum);
}
int32_t SXGetDllVersionExA(uint32_t size, void* destination) { return sx::VersionA(size, destination); }
int32_t SXGetDllVersionExW(uint32_t size, void* destination) { return sx::VersionW(size, destination); }
int32_t SXGetIcon(void) { return sx::kIconResource; }

int32_t SXSetSoundFontA(const char* path) {
    if (path != nullptr && path[0] != '\0' && access(path, R_OK) != 0) return sx::kBadParameter;
    sx::ChooseSoundFont(path != nullptr ? path : "");
    return sx::kOk;
}
