// autoplay: plays the real game from a new game with the logical buttons
// only, one line per expedition and a summary; --report writes the figures
// per area and quest as JSON for the balance notes.
//
//   autoplay [--seed N] [--max-frames N] [--max-expeditions N] [--report FILE]
//            [--quiet] [--max-battles N] [--stuck-limit N]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "flow/GameFlow.h"
#include "tools/autoplay/AutoPlayer.h"
#include "tools/autoplay/ScratchGame.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: autoplay [--seed N] [--max-frames N] [--max-expeditions N] [--report FILE]\n"
                 "                [--quiet] [--max-battles N] [--stuck-limit N]\n"
                 "  --max-battles  battles in one expedition before going home (default 16)\n"
                 "  --stuck-limit  expeditions without progress before stopping (default 60)\n");
    return 2;
}

bool Number(const char* text, int64_t& value) {
    char* end = nullptr;
    const long long n = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || n < 0) return false;
    value = n;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    AutoplayOptions options;
    options.maxFrames = 2'000'000;
    std::string report;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        int64_t n = 0;
        const bool hasValue = i + 1 < argc;
        if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--report" && hasValue) {
            report = argv[++i];
        } else if (hasValue && Number(argv[i + 1], n) &&
                   (arg == "--seed" || arg == "--max-frames" || arg == "--max-expeditions" ||
                    arg == "--max-battles" || arg == "--stuck-limit")) {
            ++i;
            if (arg == "--seed") options.seed = static_cast<uint32_t>(n);
            if (arg == "--max-frames") options.maxFrames = n;
            if (arg == "--max-expeditions") options.maxExpeditions = static_cast<int32_t>(n);
            if (arg == "--max-battles") options.home.maxBattles = static_cast<int32_t>(std::max<int64_t>(n, 1));
            if (arg == "--stuck-limit") options.stuckLimit = static_cast<int32_t>(std::max<int64_t>(n, 1));
        } else {
            return Usage();
        }
    }
    std::error_code ec;
    const std::filesystem::path reportPath =
        report.empty() ? std::filesystem::path() : std::filesystem::absolute(report, ec);

    ScratchGame game(options.seed);
    if (!game.Ready()) return 2;

    AutoPlayer player(options, std::cout);
    const bool ok = player.Run();
    player.PrintSummary(std::cout);
    int result = ok ? 0 : 1;
    if (!reportPath.empty()) {
        std::ofstream out(reportPath);
        WriteReport(out, player.Record(), GameParty(), GameExpedition(), 16);
        if (!out) {
            std::fprintf(stderr, "autoplay: cannot write %s\n", reportPath.c_str());
            result = 2;
        }
    }
    return result;
}
