// balance-report: one play-through by the automatic player, its parties
// fought again in the simulators, and the balance figures as Markdown.
//
//   balance-report [--seed N] [--battles N] [--runs N] [--out FILE]
//                  [--when TEXT] [--commit TEXT] [--machine TEXT] [--suggest FILE]
//                  [--only SECTION] [--plays N]
// --plays: play-throughs with consecutive seeds (6); the first is the one
// the report tells of, all of them stand for a party of a given level.
// --suggest writes, per rated quest, the level at which the automatic
// player's party of that level wins 65% of the fights: the tuning aid.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "flow/GameFlow.h"
#include "tools/autoplay/AutoPlayer.h"
#include "tools/autoplay/ScratchGame.h"
#include "tools/balance-report/BalanceReport.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: balance-report [--seed N] [--battles N] [--runs N] [--out FILE]\n"
                 "                      [--when TEXT] [--commit TEXT] [--machine TEXT] [--suggest FILE] [--plays N]\n"
                 "                      [--only autoplay|stretches|walls|quests|top|early|unseen]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    AutoplayOptions options;
    options.quiet = true;
    options.maxFrames = 20'000'000;
    SimBudget budget;
    int32_t plays = 6;  // play-throughs, seeds seed to seed + plays - 1
    BalanceContext context;
    std::string outPath, suggestPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        const int number = std::atoi(value.c_str());
        if (arg == "--seed") options.seed = static_cast<uint32_t>(number);
        else if (arg == "--battles" && number > 0) budget.battles = number;
        else if (arg == "--runs" && number > 0) budget.runs = number;
        else if (arg == "--out") outPath = value;
        else if (arg == "--suggest") suggestPath = value;
        else if (arg == "--only") context.only = value;
        else if (arg == "--plays" && number > 0) plays = number;
        else if (arg == "--when") context.when = value;
        else if (arg == "--commit") context.commit = value;
        else if (arg == "--machine") context.machine = value;
        else return Usage();
    }
    std::ofstream file;
    if (!outPath.empty()) {
        file.open(outPath);
        if (!file) {
            std::fprintf(stderr, "balance-report: cannot write %s\n", outPath.c_str());
            return 2;
        }
    }
    std::ostream& out = outPath.empty() ? std::cout : file;

    ScratchGame game(options.seed);
    if (!game.Ready()) return 2;
    const CharacterSnapshots freshRows = TakeCharacterSnapshot();
    budget.freshRows = &freshRows;
    PlayRecords records;
    for (int32_t run = 0; run < plays; ++run) {
        const uint32_t seed = options.seed + static_cast<uint32_t>(run);
        RestoreCharacters(freshRows);
        game.Restart(seed);
        AutoplayOptions runOptions = options;
        runOptions.seed = seed;
        std::ostringstream log;
        AutoPlayer player(runOptions, log);
        const bool played = player.Run();
        player.PrintSummary(std::cerr);
        if (!played) {
            std::cerr << "balance-report: the play-through stopped on a fault: " << player.Fault() << "\n";
            return 1;
        }
        records.push_back(player.Record());
    }
    std::ofstream suggestions;
    if (!suggestPath.empty()) suggestions.open(suggestPath);
    const bool met = WriteBalanceReport(out, records, context, budget, std::cerr,
                                        suggestPath.empty() ? nullptr : &suggestions);
    out.flush();
    if (!out) {
        std::fprintf(stderr, "balance-report: cannot write the report\n");
        return 2;
    }
    std::cerr << (met ? "every target met\n" : "some targets not met\n");
    return 0;
}
