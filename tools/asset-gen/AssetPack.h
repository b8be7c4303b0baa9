#pragma once
// The whole asset pack as a list of jobs, one per file, and the writer that
// runs them (on several threads: every job is independent and seeds its own
// randomness, so the bytes do not depend on the order).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

struct AssetJob {
    std::string path;  // game path, backslashes: "image\\back\\0.bmp"
    // Pictures: painted, then written as 24-bit (opaque) or 32-bit BMP.
    std::function<Canvas()> picture;
    bool alpha = false;
    // Everything else: the file's bytes.
    std::function<std::vector<uint8_t>()> bytes;
};

// Every file of the game folder that is generated. The content tables must
// be built. The configuration is not among them (see WriteDefaultConfig).
std::vector<AssetJob> AssetJobs();

// The bytes of one job's file.
std::vector<uint8_t> RunJob(const AssetJob& job);

struct PackReport {
    size_t files = 0;
    uint64_t bytes = 0;
    std::vector<std::string> failures;  // paths that could not be written
};

// Writes the jobs under `folder` (created as needed), with `threads`
// workers (0: one per processor).
PackReport WriteAssetPack(const std::string& folder, const std::vector<AssetJob>& jobs, int threads);

// Writes "Config\Data.dat" with the default settings unless the file is
// already there (a player's settings survive rebuilds). True when the file
// exists afterwards.
bool WriteDefaultConfig(const std::string& folder, bool* written = nullptr);

// The native path of a game path under `folder`.
std::string NativeFile(const std::string& folder, const std::string& gamePath);

}  // namespace assetgen
