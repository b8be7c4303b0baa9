#pragma once
// The exported interface of the MIDI playback library: 22 plain C functions.
//
// Values that may carry a pointer (caps values, the callback's value and user
// data) are pointer-sized so that callbacks and texts survive on 64-bit
// systems; numeric caps use the low 32 bits, float caps the bit pattern of a
// 32-bit float in those bits.
#include <pthread.h>

#include <cstdint>

#define SXPLAY_EXPORT extern "C" __attribute__((visibility("default")))

// Notification callback: (code, value, user data).
typedef int32_t (*SXCallback)(int32_t code, intptr_t value, intptr_t userData);

// The value of notification 14: a text meta event that was played.
struct SXTextEvent {
    int32_t type;      // 1 text ... 7 cue point
    const void* text;  // UTF-16 with caps 2 set, else UTF-8; terminated
};

// Status record of SXGetStatus (20 bytes).
struct SXStatus {
    int32_t mainState;
    int32_t playState;
    int32_t positionMs;
    int32_t deviceId;
    int32_t loopCount;
};

#pragma pack(push, 1)
struct SXVersionA {
    uint32_t recordVersion;
    uint32_t libraryVersion;
    uint32_t secondVersion;
    char maker[64];
    char notice[128];
    char product[32];
    char homePage[256];
    uint16_t year;
    uint8_t month;
    uint8_t day;
    uint8_t zero[8];
};
struct SXVersionW {
    uint32_t recordVersion;
    uint32_t libraryVersion;
    uint32_t secondVersion;
    char16_t maker[64];
    char16_t notice[128];
    char16_t product[32];
    char16_t homePage[256];
    uint16_t year;
    uint8_t month;
    uint8_t day;
    uint8_t zero[8];
};
#pragma pack(pop)
static_assert(sizeof(SXVersionA) == 504 && sizeof(SXVersionW) == 984);

// Module resources. A module that ships songs inside itself lists them in a
// table and passes the table's address as the module argument of
// SXLoadMusicEx*. An entry is found by name (or, when the name argument is
// below 0x10000, by its number) and by numeric type.
struct SXResource {
    const char16_t* name;  // null: the entry is known by `id` only
    uint32_t id;
    uint32_t type;
    const void* data;
    uint32_t size;
};
struct SXResourceModule {
    uint32_t magic;  // kSXResourceMagic, so a stray pointer is refused
    uint32_t count;
    const SXResource* entries;
};
inline constexpr uint32_t kSXResourceMagic = 0x53585253;  // "SRXS"

// Device numbers: -1 is the built-in software synthesiser; 0 and up are the
// ALSA sequencer ports that accept events, in the order `aconnect -o` lists
// them.
SXPLAY_EXPORT int32_t SXGetDllVersion(void);
// With a thread pointer the device opens on a new thread whose id is stored
// there; the caller joins it with pthread_join.
SXPLAY_EXPORT int32_t SXOpenDevice(int32_t deviceId, pthread_t* thread);
SXPLAY_EXPORT int32_t SXCloseDevice(void);
SXPLAY_EXPORT int32_t SXLoadMusicA(const char* path);
SXPLAY_EXPORT int32_t SXLoadMusicW(const char16_t* path);
// text: a path, a resource name (module given) or a memory image (module
// null, typeOrSize = its size in bytes).
SXPLAY_EXPORT int32_t SXLoadMusicExA(const char* text, const void* module, uint32_t typeOrSize,
                                     uint32_t reserved);
SXPLAY_EXPORT int32_t SXLoadMusicExW(const char16_t* text, const void* module,
                                     uint32_t typeOrSize, uint32_t reserved);
SXPLAY_EXPORT int32_t SXPlayMusic(void);
SXPLAY_EXPORT int32_t SXStopMusic(void);
SXPLAY_EXPORT int32_t SXWaitMusic(void);
SXPLAY_EXPORT int32_t SXRestartMusic(void);
SXPLAY_EXPORT int32_t SXFadeOut(uint32_t ms);
SXPLAY_EXPORT int32_t SXFadeIn(uint32_t ms);
// Lengths -1 to -4 send GM on, GM2 on, GS reset, XG on instead of `data`.
SXPLAY_EXPORT int32_t SXSendSysEx(const uint8_t* data, int32_t length);
SXPLAY_EXPORT int32_t SXSetCaps(int32_t type, intptr_t value);
SXPLAY_EXPORT int32_t SXGetCaps(int32_t type, intptr_t* result);
SXPLAY_EXPORT int32_t SXGetStatus(void* destination, uint32_t size);
SXPLAY_EXPORT int32_t SXGetErrorStringA(int32_t code, char* buffer, uint32_t maximum);
SXPLAY_EXPORT int32_t SXGetErrorStringW(int32_t code, char16_t* buffer, uint32_t maximum);
SXPLAY_EXPORT int32_t SXGetDllVersionExA(uint32_t size, void* destination);
SXPLAY_EXPORT int32_t SXGetDllVersionExW(uint32_t size, void* destination);
// The number of the library's icon resource; Linux has no icon handles.
SXPLAY_EXPORT int32_t SXGetIcon(void);

// Linux only: the SoundFont file (UTF-8 path) that device -1 loads when it is
// next opened, before the system's defaults; null or empty forgets the
// choice. 4 for a file that cannot be read (the choice is then unchanged).
SXPLAY_EXPORT int32_t SXSetSoundFontA(const char* path);
