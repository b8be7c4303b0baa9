// Runs many expeditions headless with the real rules and tables, from
// departure down to a target depth and back, and prints how they went.
//   explore-sim [--runs N] [--seed S] [--party 0,1] [--level L]
//               [--area A] [--start D] [--depth D] [--hunt 0|1]
//               [--carry SLOT:ITEM:QUALITY]...
// The party starts as a new game has it: its characters' own equipment,
// the new game's notices, map and recipes, and its carried herb.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"
#include "tools/SimCommandLine.h"
#include "content/StartingGoods.h"
#include "rules/ExploreSimulation.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: explore-sim [--runs N] [--seed S] [--party 0,1] [--level L]\n"
                 "                   [--area A] [--start D] [--depth D] [--hunt 0|1]\n"
                 "                   [--carry SLOT:ITEM:QUALITY]...\n");
    return 2;
}

double PerRun(int64_t total, int32_t runs) { return static_cast<double>(total) / runs; }

}  // namespace

int main(int argc, char** argv) {
    int32_t runs = 1000;
    uint32_t seed = 1;
    std::vector<int32_t> members = {0, 1};
    ExploreSimSetup setup;
    setup.party.carried[0] = NewGameCarriedItem();

    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        std::vector<int32_t> v;
        if (!ParseInts(value, std::strchr(value, ':') ? ':' : ',', v)) return Usage();
        if (!std::strcmp(option, "--runs") && v.size() == 1) runs = v[0];
        else if (!std::strcmp(option, "--seed") && v.size() == 1) seed = static_cast<uint32_t>(v[0]);
        else if (!std::strcmp(option, "--party")) members = v;
        else if (!std::strcmp(option, "--level") && v.size() == 1) setup.party.level = v[0];
        else if (!std::strcmp(option, "--area") && v.size() == 1) setup.area = v[0];
        else if (!std::strcmp(option, "--start") && v.size() == 1) setup.startDepth = v[0];
        else if (!std::strcmp(option, "--depth") && v.size() == 1) setup.targetDepth = v[0];
        else if (!std::strcmp(option, "--hunt") && v.size() == 1) setup.hunt = v[0] != 0;
        else if (!std::strcmp(option, "--carry") && v.size() == 3 && v[0] >= 0 && v[0] < kCarriedSlots)
            setup.party.carried[v[0]] = v[1] == 0 ? 0 : PackItem(v[1], v[2]);
        else return Usage();
    }
    if (runs < 1 || members.empty() || members.size() > kMaxPartySize) return Usage();
    if (setup.area < 0 || setup.area >= kAreaCapacity || setup.startDepth < 0 ||
        setup.startDepth > kDeepestDepth || setup.targetDepth > kDeepestDepth)
        return Usage();

    BuildTablesForSimulation();
    if (!CharactersExist("explore-sim", members)) return 2;

    for (int32_t character : members) {
        MemberSetup member;
        member.character = character;
        setup.party.members.push_back(member);
    }
    if (AreaById(setup.area).encounters.empty()) {
        std::fprintf(stderr, "explore-sim: area %d has no encounters\n", setup.area);
        return 2;
    }
    const auto holdings = NewGameHoldings();
    setup.holdings.assign(holdings.begin(), holdings.end());

    const auto start = std::chrono::steady_clock::now();
    const ExploreSimSummary s = SimulateExpeditions(setup, runs, seed);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("party");
    for (int32_t character : members) std::printf(" %d", character);
    std::printf(" at level %d through area %d, depth %d to %d, hunting %s\n", setup.party.level,
                setup.area, setup.startDepth, setup.targetDepth, setup.hunt ? "held notices" : "nothing");
    std::printf("expeditions      %d (seed %u, %.2f s)\n", s.expeditions, seed, seconds);
    std::printf("returned         %.4f (%d returned, %d defeated, %d timed out)\n",
                static_cast<double>(s.returned) / runs, s.returned, s.defeated, s.timedOut);
    std::printf("victory rate     %.4f (%lld of %lld battles)\n",
                s.battles > 0 ? static_cast<double>(s.wins) / static_cast<double>(s.battles) : 0.0,
                static_cast<long long>(s.wins), static_cast<long long>(s.battles));
    std::printf("steps / run      %.2f\n", PerRun(s.steps, runs));
    std::printf("battles / run    %.2f\n", PerRun(s.battles, runs));
    std::printf("finds / run      %.2f\n", PerRun(s.finds, runs));
    std::printf("quests met / run %.3f (first clears %.3f)\n", PerRun(s.questsMet, runs),
                PerRun(s.questsCleared, runs));
    std::printf("gold / run       %.1f\n", PerRun(s.goldGained, runs));
    std::printf("level reached    %.2f\n", PerRun(s.levelsReached, runs));
    std::printf("depth reached    %.2f\n", PerRun(s.depthsReached, runs));
    return 0;
}
