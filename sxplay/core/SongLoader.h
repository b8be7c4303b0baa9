#pragma once
// Reading a song from a file, a memory image or a module's resource table.
#include <cstdint>
#include <string>

#include "sxplay/SxPlay.h"
#include "sxplay/core/Song.h"

namespace sx {

int32_t LoadSongFromFile(const std::string& path, Song& song);
int32_t LoadSongFromMemory(const void* image, size_t size, Song& song);
// `name` below 0x10000 (as an address) is a resource number.
int32_t LoadSongFromResource(const SXResourceModule* module, const char16_t* name, uint32_t type,
                             Song& song);
// The entry of a module's table, or null.
const SXResource* FindResource(const SXResourceModule* module, const char16_t* name,
                               uint32_t type);

}  // namespace sx
