#pragma once
// The exported interface of the MIDI playback library.
#include <cstdint>

#define SXPLAY_EXPORT extern "C" __attribute__((visibility("default")))

SXPLAY_EXPORT int32_t SXOpenDevice(int32_t device, uint32_t flags);
SXPLAY_EXPORT int32_t SXCloseDevice(void);
SXPLAY_EXPORT int32_t SXLoadMusicW(const char16_t* path);
SXPLAY_EXPORT int32_t SXPlayMusic(void);
SXPLAY_EXPORT int32_t SXWaitMusic(void);
