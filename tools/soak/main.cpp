// soak: plays the real game headless for many frames with random buttons,
// saving and loading as it goes, and fails on anything a long run brings
// out (see SoakRun.h).
//
//   soak [--frames N] [--seed N] [--save-every N] [--restart-every N]
//        [--frame-limit MS] [--modes-only] [--no-memory-check]
//        [--progress N] [--minutes N] [--game-dir DIR]
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/GameMain.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"
#include "engine/text/WString.h"
#include "tools/soak/SoakRun.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: soak [--frames N] [--seed N] [--save-every N] [--restart-every N]\n"
                 "            [--frame-limit MS] [--modes-only] [--no-memory-check]\n"
                 "            [--progress N] [--minutes N] [--game-dir DIR]\n");
    return 2;
}

bool Number(const char* text, uint64_t& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

std::filesystem::path DefaultGameFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "game";
    return self.parent_path().parent_path() / "game";
}

// A scratch folder that shows the game's files through links, so the
// saves of the run land there and not in the game folder.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& game) {
        char pattern[] = "/tmp/soak-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        path_ = pattern;
        std::error_code ec;
        for (const char* entry : {"image", "sound", "music", "Config"})
            std::filesystem::create_directory_symlink(std::filesystem::absolute(game / entry), path_ / entry, ec);
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    std::filesystem::path gameDir = DefaultGameFolder();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        uint64_t value = 0;
        if (arg == "--modes-only") {
            options.requireAllScreens = false;
        } else if (arg == "--no-memory-check") {
            options.checkMemory = false;
        } else if (arg == "--game-dir" && hasValue) {
            gameDir = argv[++i];
        } else if (hasValue && Number(argv[i + 1], value)) {
            ++i;
            if (arg == "--frames") options.frames = value;
            else if (arg == "--seed") options.seed = static_cast<uint32_t>(value);
            else if (arg == "--save-every") options.saveEvery = value;
            else if (arg == "--restart-every") options.restartEvery = value;
            else if (arg == "--frame-limit") options.frameLimitMs = double(value);
            else if (arg == "--progress") options.progressEvery = value;
            else if (arg == "--minutes") options.minutes = double(value);
            else return Usage();
        } else {
            return Usage();
        }
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    if (!std::filesystem::exists(gameDir / "image")) {
        std::fprintf(stderr, "soak: no game folder at %s\n", gameDir.c_str());
        return 2;
    }
    ScratchFolder scratch(gameDir);
    if (scratch.Path().empty() || chdir(scratch.Path().c_str()) != 0) {
        std::fprintf(stderr, "soak: cannot make a scratch folder\n");
        return 2;
    }

    FillHexTable();
    FillSineTable();
    SeedRandom(options.seed);
    if (!StartGame()) {
        ShutdownGame();
        return 2;
    }
    const SoakResult result = RunSoak(options, std::cerr);
    ShutdownGame();
    PrintSoakReport(result, std::cout);
    return result.failures.empty() ? 0 : 1;
}
