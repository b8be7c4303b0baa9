// game-script: plays the game headless from a file of logical buttons and
// prints the screens' state after every line.
//
//   game-script [--seed N] [--game-dir DIR] [--shots DIR] [--window]
//               [--timing FILE [--timing-frames N]] SCRIPT|-
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/GameMain.h"
#include "app/GameScript.h"
#include "app/ScriptTiming.h"
#include "engine/random/Angles.h"
#include "engine/random/Random.h"
#include "engine/text/WString.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: game-script [--seed N] [--game-dir DIR] [--shots DIR] [--window]\n"
                 "                   [--timing FILE [--timing-frames N]] SCRIPT|-\n"
                 "  --timing: frame times of every pictured screen (drawn N times, 120 by\n"
                 "            default), the slowest frame entering it, and memory, into FILE\n"
                 "  lines: decide|cancel|up|down|left|right|pageup|pagedown|sellall|speed [N]\n"
                 "         wait N | until MODE[:MENU] BUTTON|wait [MAX] | shot NAME | # comment\n"
                 "  set-up: gold N | give ITEM QUALITY [COUNT] | level N | card CHARACTER |\n"
                 "          hire CHARACTER | notice QUEST | map AREA | recipe ITEM |\n"
                 "          checkpoint AREA N | renew TIMES | depth N\n");
    return 2;
}

// The game folder beside the tool's own folder (build/bin -> build/game).
std::filesystem::path DefaultGameFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "game";
    return self.parent_path().parent_path() / "game";
}

}  // namespace

int main(int argc, char** argv) {
    uint32_t seed = 1;
    std::filesystem::path gameDir = DefaultGameFolder();
    std::string shots = ".";
    std::string script;
    bool window = false;
    std::string timingFile;
    int32_t timingFrames = 120;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--game-dir" && i + 1 < argc) {
            gameDir = argv[++i];
        } else if (arg == "--shots" && i + 1 < argc) {
            shots = argv[++i];
        } else if (arg == "--timing" && i + 1 < argc) {
            timingFile = argv[++i];
        } else if (arg == "--timing-frames" && i + 1 < argc) {
            timingFrames = static_cast<int32_t>(std::strtol(argv[++i], nullptr, 10));
            if (timingFrames < 1) return Usage();
        } else if (arg == "--window") {
            window = true;
        } else if (script.empty() && (arg == "-" || arg[0] != '-')) {
            script = arg;
        } else {
            return Usage();
        }
    }
    if (script.empty()) return Usage();
    if (!window) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    std::ifstream file;
    if (script != "-") {
        file.open(script);
        if (!file) {
            std::fprintf(stderr, "game-script: cannot read %s\n", script.c_str());
            return 2;
        }
    }
    std::istream& in = script == "-" ? std::cin : file;
    std::error_code ec;
    const std::filesystem::path shotFolder = std::filesystem::absolute(shots, ec);
    const std::filesystem::path timingPath =
        timingFile.empty() ? std::filesystem::path() : std::filesystem::absolute(timingFile, ec);
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "game-script: no game folder %s\n", gameDir.c_str());
        return 2;
    }

    FillHexTable();
    FillSineTable();
    SeedRandom(seed);
    if (!StartGame()) {
        ShutdownGame();
        return 2;
    }
    ScriptRun run;
    run.shotFolder = shotFolder.string();
    ScriptTiming timing(timingFrames);
    if (!timingPath.empty()) run.timing = &timing;
    // One quiet frame, so the first picture is there before any line runs.
    std::string error;
    ScriptLine quiet;
    quiet.command = "wait";
    RunScriptLine(quiet, run, error);
    if (run.timing != nullptr) timing.Note("rss_title_mib", ResidentMiB());
    std::cout << "0: start -> " << DescribeFlowState() << '\n';
    const int result = RunGameScript(in, std::cout, run);
    if (run.timing != nullptr) {
        timing.Note("rss_end_mib", ResidentMiB());
        timing.Note("rss_peak_mib", PeakResidentMiB());
        std::ofstream out(timingPath);
        timing.Write(out);
        if (!out) std::fprintf(stderr, "game-script: cannot write %s\n", timingPath.c_str());
    }
    ShutdownGame();
    return result;
}
