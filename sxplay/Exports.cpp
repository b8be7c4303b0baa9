#include "sxplay/SxPlay.h"

// Placeholder: the device never opens until the sequencer lands.
int32_t SXOpenDevice(int32_t, uint32_t) { return 10; }
int32_t SXCloseDevice(void) { return 0; }
int32_t SXLoadMusicW(const char16_t*) { return 10; }
int32_t SXPlayMusic(void) { return 3; }
int32_t SXWaitMusic(void) { return 0; }
