#pragma once
// Starting the real game headless for a benchmark: the game folder beside
// the program's folder (build/bin -> build/game), the offscreen video and
// dummy audio drivers, and the same start-up the game and game-script run.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/GameMain.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"

namespace bench {

inline std::filesystem::path GameFolder() {
    if (const char* dir = std::getenv("GAME_DIR")) return dir;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "game";
    return self.parent_path().parent_path() / "game";
}

inline std::filesystem::path ToolPath(const char* name) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path(name) : self.parent_path() / name;
}

// False (after saying why) when there is no game folder or no device.
inline bool StartHeadlessGame(uint32_t seed = 1) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::filesystem::path folder = GameFolder();
    if (chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "no game folder %s (build the game-assets target)\n", folder.c_str());
        return false;
    }
    FillHexTable();
    FillSineTable();
    SeedRandom(seed);
    if (!StartGame()) {
        ShutdownGame();
        std::fprintf(stderr, "the game did not start\n");
        return false;
    }
    return true;
}

}  // namespace bench
