// The busiest battle frame: eight enemies in two rows, four members with
// statuses, floating numbers on many units, two hit effects running and the
// command list open with its detail panel. Whole frames as the game loop
// runs them (update, drawing, present), each finished before the next.
//   bench_busy_battle [frames [picture.png]]   (default 600 frames)
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/GameMain.h"
#include "app/ScriptTiming.h"
#include "bench/BenchGame.h"
#include "content/ContentDatabase.h"
#include "engine/graphics/GraphicsDevice.h"
#include "flow/GameFlow.h"
#include "rules/BattleEffects.h"
#include "rules/BattleState.h"
#include "rules/Expedition.h"
#include "rules/Layout.h"
#include "rules/PartyState.h"
#include "rules/Simulation.h"

namespace {

uint32_t g_clock = 0;
uint32_t Clock() { return g_clock += 16; }

constexpr int32_t kEnemies = 8;

void SetUpBattle() {
    BattleSimSetup setup;
    for (int32_t character : {0, 1, 2, 3}) setup.members.push_back(MemberSetup{character});
    setup.level = 30;
    GameParty() = PrepareSimParty(setup);
    GameExpedition().area = 0;
    Encounter encounter;
    encounter.enemies = {4, 3, 24, 0, 18, 1, 2, 5};
    encounter.rows = {0, 0, 0, 0, 1, 1, 1, 1};
    encounter.area = 0;
    BattleState& battle = GameBattle();
    StartBattle(battle, GameParty(), encounter);
    battle.musicRequest = WString();
    const Color colours[] = {{255, 255, 255, 255}, {255, 64, 64, 255}, {64, 255, 255, 255}};
    for (size_t i = 0; i < battle.units.size(); ++i) {
        BattleUnit& unit = battle.units[i];
        unit.gauge = int32_t(1000 + 1100 * i) % kFullGauge;
        AddFloatingNumber(unit, colours[i % 3], int32_t(17 + 311 * i));
        unit.texts.back().age = int32_t(7 * i) % 50;
        if (unit.side == UnitSide::kParty) {
            for (int32_t kind = 0; kind < 12; kind += 1 + int32_t(i % 2)) {
                unit.statusMark[size_t(kind)] =
                    kind % 3 == 0 ? StatusMark::kAfflicted : StatusMark::kRaised;
                unit.statusTime[size_t(kind)] = 500;
            }
        } else if (i % 2 == 0) {
            unit.statusMark[StatusKind::kPoison] = StatusMark::kAfflicted;
            unit.statusTime[StatusKind::kPoison] = 500;
        }
    }
    StartHitEffect(battle.units[1], 40);
    StartHitEffect(battle.units[kEnemies + 1], 190);
    // The first member's turn: the next frame opens its command list.
    BattleUnit& hero = battle.units[kEnemies];
    hero.gauge = kFullGauge;
    hero.awaitingCommand = true;
    battle.ready = {kEnemies};
    battle.readyPosition = 0;
    battle.subState = BattleSubState::kReady;

    GameFlow& flow = Flow();
    flow.modeStack = {GameMode::kTown, GameMode::kExploration, GameMode::kBattle};
    flow.menuState = 1;  // the next member's command list
    flow.subState = 0;
}

// Floating texts and hit effects start over when they end, so the scene
// stays as busy for every timed frame.
void KeepBusy() {
    for (BattleUnit& unit : GameBattle().units) {
        for (FloatingText& text : unit.texts) {
            if (!text.running) text.age = 0, text.running = true;
        }
        for (HitEffect& effect : unit.effects) {
            if (!effect.running) effect.frame = 0, effect.running = true;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 600;
    if (frames < 1) return 2;
    if (!bench::StartHeadlessGame()) return 1;
    RunFrame(Clock);  // the title, as the game starts
    SetUpBattle();
    RunFrame(Clock);
    if (Flow().menuState != 2) {
        std::fprintf(stderr, "the command list did not open (menu state %d)\n", Flow().menuState);
        ShutdownGame();
        return 1;
    }
    // The first frames fill caches (glyphs, effect pictures): timed apart.
    std::vector<double> warm, times;
    for (int n = 0; n < 30; ++n) {
        KeepBusy();
        const double start = NowMilliseconds();
        RunFrame(Clock);
        FinishDrawing();
        warm.push_back(NowMilliseconds() - start);
    }
    times.reserve(size_t(frames));
    for (int n = 0; n < frames; ++n) {
        KeepBusy();
        const double start = NowMilliseconds();
        RunFrame(Clock);
        FinishDrawing();
        times.push_back(NowMilliseconds() - start);
    }
    if (argc > 2) Graphics().SaveFrame(WString(argv[2]));
    const FrameStats s = Summarise(times);
    const FrameStats w = Summarise(warm);
    std::printf("busy_battle_first_ms %.3f\n", warm.front());
    std::printf("busy_battle_warm_mean_ms %.3f\n", w.mean);
    std::printf("busy_battle_mean_ms %.3f\n", s.mean);
    std::printf("busy_battle_p99_ms %.3f\n", s.p99);
    std::printf("busy_battle_max_ms %.3f\n", s.max);
    std::printf("busy_battle_frames %d\n", s.frames);
    std::printf("busy_battle_units %zu\n", GameBattle().units.size());
    ShutdownGame();
    return 0;
}
