// Runs many battles headless with the real rules and tables and prints how
// they went, for balancing the content.
//   battle-sim [--battles N] [--seed S] [--party 0,1] [--level L]
//              [--area A] [--depth D] [--quest Q] [--expedition B]
//              [--equip CHAR:SLOT:ITEM:QUALITY]... [--carry SLOT:ITEM:QUALITY]...
// Battles are grouped into expeditions of B battles (10, or 1 for a quest):
// carried items' uses are restored only at each departure, as in the game.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "content/ContentDatabase.h"
#include "tools/SimCommandLine.h"
#include "rules/Simulation.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: battle-sim [--battles N] [--seed S] [--party 0,1] [--level L]\n"
                 "                  [--area A] [--depth D] [--quest Q] [--expedition B]\n"
                 "                  [--equip CHAR:SLOT:ITEM:QUALITY]... [--carry SLOT:ITEM:QUALITY]...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t battles = 10000;
    uint32_t seed = 1;
    std::vector<int32_t> members = {0, 1};
    BattleSimSetup setup;
    setup.carried[0] = PackItem(1, 30);  // what a new game carries
    std::vector<std::vector<int32_t>> equips;
    int32_t expedition = 0;  // battles per expedition; 0: the default

    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        std::vector<int32_t> v;
        if (!ParseInts(value, std::strchr(value, ':') ? ':' : ',', v)) return Usage();
        if (!std::strcmp(option, "--battles") && v.size() == 1) battles = v[0];
        else if (!std::strcmp(option, "--seed") && v.size() == 1) seed = static_cast<uint32_t>(v[0]);
        else if (!std::strcmp(option, "--party")) members = v;
        else if (!std::strcmp(option, "--level") && v.size() == 1) setup.level = v[0];
        else if (!std::strcmp(option, "--area") && v.size() == 1) setup.area = v[0];
        else if (!std::strcmp(option, "--depth") && v.size() == 1) setup.depth = v[0];
        else if (!std::strcmp(option, "--quest") && v.size() == 1) setup.quest = v[0];
        else if (!std::strcmp(option, "--expedition") && v.size() == 1 && v[0] >= 1) expedition = v[0];
        else if (!std::strcmp(option, "--equip") && v.size() == 4) equips.push_back(v);
        else if (!std::strcmp(option, "--carry") && v.size() == 3 && v[0] >= 0 && v[0] < kCarriedSlots)
            setup.carried[v[0]] = v[1] == 0 ? 0 : PackItem(v[1], v[2]);
        else return Usage();
    }
    if (battles < 1 || members.empty() || members.size() > kMaxPartySize) return Usage();
    setup.expeditionBattles = expedition > 0 ? expedition : setup.quest >= 0 ? 1 : kDefaultExpeditionBattles;

    BuildTablesForSimulation();
    if (!CharactersExist("battle-sim", members)) return 2;

    for (int32_t character : members) {
        MemberSetup member;
        member.character = character;
        member.equipment = CharacterById(character).equipment;
        for (const auto& e : equips) {
            if (e[0] != character || e[1] < 0 || e[1] >= CharacterData::kEquipmentSlots) continue;
            member.equip = true;
            member.equipment[e[1]] = e[2] == 0 ? 0 : PackItem(e[2], e[3]);
        }
        setup.members.push_back(member);
    }
    if (setup.quest < 0 && AreaById(setup.area).encounters.empty()) {
        std::fprintf(stderr, "battle-sim: area %d has no encounters\n", setup.area);
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const BattleSimSummary s = SimulateBattles(setup, battles, seed);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("party");
    for (int32_t character : members) std::printf(" %d", character);
    std::printf(" at level %d against ", setup.level);
    if (setup.quest >= 0) std::printf("quest %d\n", setup.quest);
    else std::printf("area %d, depth %d\n", setup.area, setup.depth);
    std::printf("battles          %d (seed %u, %.2f s)\n", s.battles, seed, seconds);
    if (setup.quest >= 0)
        std::printf("expeditions      %d: %d random battles, then the quest; %d lost on the way\n",
                    s.expeditions, setup.expeditionBattles - 1, s.questNotReached);
    else
        std::printf("expeditions      %d of up to %d battles (a defeat goes home)\n", s.expeditions,
                    setup.expeditionBattles);
    std::printf("carried items    uses restored at each departure only\n");
    std::printf("win rate         %.4f (%d won, %d lost, %d timed out)\n",
                s.battles > 0 ? static_cast<double>(s.wins) / s.battles : 0.0, s.wins, s.losses, s.timeouts);
    std::printf("mean length      %.1f ticks\n", s.meanTicks);
    std::printf("mean gold        %.2f\n", s.meanGold);
    std::printf("mean experience  %.2f\n", s.meanExperience);
    std::printf("deaths / battle  %.4f\n", s.fallsPerBattle);
    return 0;
}
