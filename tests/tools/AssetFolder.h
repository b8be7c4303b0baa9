#pragma once
// Shared by the asset tests: the content tables built once, the whole pack
// generated once into a temporary folder, and a headless graphics device.
#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"
#include "engine/graphics/GraphicsDevice.h"
#include "platform/Window.h"
#include "tools/asset-gen/AssetPack.h"

namespace assettest {

inline void BuildTables() {
    static const bool built = [] {
        BuildContentTables();
        BuildLateContentTables();
        return true;
    }();
    (void)built;
}

// The folder holding a freshly generated pack (made on first use, removed
// at exit).
inline const std::string& PackFolder() {
    struct Pack {
        std::string folder;
        assetgen::PackReport report;
        Pack() {
            BuildTables();
            folder = (std::filesystem::temp_directory_path() / ("asset_pack_" + std::to_string(::getpid()))).string();
            std::filesystem::remove_all(folder);
            report = assetgen::WriteAssetPack(folder, assetgen::AssetJobs(), 0);
            assetgen::WriteDefaultConfig(folder);
        }
        ~Pack() { std::filesystem::remove_all(folder); }
    };
    static const Pack pack;
    return pack.folder;
}

inline std::string InPack(const std::string& gamePath) { return assetgen::NativeFile(PackFolder(), gamePath); }

// A graphics device on SDL's offscreen driver; false when the machine has
// no GL at all (the tests then fall back to SDL's own loader).
class HeadlessDevice {
public:
    HeadlessDevice() {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        video_ = true;
        PresentParams present;
        ok_ = Graphics().Create(window_, WString("DLG0"), {100, 100, 740, 580}, WString(), 0, 0, present);
    }
    ~HeadlessDevice() {
        Graphics().Release();
        window_.Destroy();
        if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    bool Ok() const { return ok_; }

private:
    platform::Window window_;
    bool video_ = false, ok_ = false;
};

// Runs with the working folder set to `folder`, as the game runs in its own.
class InFolder {
public:
    explicit InFolder(const std::string& folder) : previous_(std::filesystem::current_path()) { std::filesystem::current_path(folder); }
    ~InFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace assettest
