#pragma once
// File-system helpers on game paths (either separator is accepted).
#include <cstdint>
#include <vector>

#include "engine/text/WString.h"

bool FileExists(const WString& path, uint32_t* size = nullptr);
bool DirectoryExists(const WString& path);
// The folders CreateDirectories makes for a path, in creation order.
bool DirectoriesAlong(const WString& path, std::vector<WString>& folders);
// Creates every folder along the directory part of a file path.
bool CreateDirectories(const WString& path);
