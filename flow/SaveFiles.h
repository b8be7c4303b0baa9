#pragma once
// Save files on disk: read whole and checked before anything uses them,
// written so that a failure at any step leaves the previous file whole.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/text/WString.h"
#include "flow/SaveLayout.h"

// Reads the whole file at a game path (a folder, a missing file or one
// that cannot be opened is kMissing); `record` is written only when the
// file passes the check.
SaveCheck ReadSaveFile(const WString& path, SaveRecord& record);

// Writes the bytes to "<path>.tmp" beside the file (creating the folders
// along the path), flushes them to disk and renames them over the file.
// False, with errno telling why, when any step fails; the old file is
// then untouched and the temporary one removed.
bool ReplaceFile(const WString& path, std::span<const uint8_t> bytes);

inline bool WriteSaveFile(const WString& path, const SaveRecord& record) {
    return ReplaceFile(path, EncodeSave(record));
}
