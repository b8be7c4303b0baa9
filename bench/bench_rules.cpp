// Throughput of the game rules without drawing: battle ticks per second
// (whole battles run by the simulator's policy) and expedition steps per
// second (whole expeditions, their battles included).
#include <chrono>
#include <cstdio>

#include "content/ContentDatabase.h"
#include "rules/ExploreSimulation.h"
#include "rules/Simulation.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

BattleSimSetup Party() {
    BattleSimSetup setup;
    for (int32_t character : {0, 1, 2, 3}) setup.members.push_back(MemberSetup{character});
    setup.level = 20;
    setup.carried[0] = PackItem(1, 30);
    setup.area = 0;
    setup.depth = 10;
    return setup;
}

}  // namespace

int main() {
    BuildContentTables();
    BuildLateContentTables();

    // Batches until a second has passed, so the figure is steady.
    double ticks = 0, seconds = 0;
    int32_t battles = 0;
    const auto start = std::chrono::steady_clock::now();
    for (uint32_t seed = 1; seconds < 1.0; ++seed) {
        const BattleSimSummary s = SimulateBattles(Party(), 500, seed);
        ticks += s.meanTicks * s.battles;
        battles += s.battles;
        seconds = Seconds(start);
    }
    std::printf("battle_ticks_per_s %.0f\n", ticks / seconds);
    std::printf("battle_count %d\n", battles);

    ExploreSimSetup explore;
    explore.party = Party();
    explore.area = 0;
    explore.startDepth = 0;
    explore.targetDepth = 20;
    double steps = 0;
    int32_t runs = 0;
    seconds = 0;
    const auto start2 = std::chrono::steady_clock::now();
    for (uint32_t seed = 1; seconds < 1.0; ++seed) {
        const ExploreSimSummary s = SimulateExpeditions(explore, 50, seed);
        steps += double(s.steps);
        runs += s.expeditions;
        seconds = Seconds(start2);
    }
    std::printf("expedition_steps_per_s %.0f\n", steps / seconds);
    std::printf("expedition_count %d\n", runs);
    return 0;
}
