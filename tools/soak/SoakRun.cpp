#include "tools/soak/SoakRun.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <ostream>
#include <thread>

#include "app/GameMain.h"
#include "content/Characters.h"
#include "content/ContentDatabase.h"
#include "content/ContentPictures.h"
#include "engine/font/TextRenderer.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "flow/SaveSlots.h"
#include "flow/SaveState.h"
#include "tools/soak/MemoryProbe.h"
#include "tools/soak/RandomPlayer.h"
#include "tools/soak/SoakScreens.h"

namespace {

using Clock = std::chrono::steady_clock;

// A press is held for one frame; the repeat block rests every button for
// the seven after it, so the player decides once every eight frames.
constexpr uint64_t kFramesPerPress = 8;

int32_t g_held = kNoPress;
uint32_t g_gameClock = 0;
uint32_t GameClock() { return g_gameClock += 1; }

void InstallKeySource() {
    Input().keyboard.SetSource([](uint32_t code) {
        return g_held != kNoPress &&
               static_cast<int32_t>(code) == Input().keyboard.Codes()[size_t(g_held)];
    });
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Stops the process when one frame runs far too long: a loop that never
// ends would otherwise hold the soak forever without a word.
class Watchdog {
public:
    explicit Watchdog(double limitMs) : limitMs_(limitMs), thread_([this] { Watch(); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void FrameStarts(uint64_t frame, const std::string& screen) {
        std::snprintf(screen_.data(), screen_.size(), "%s", screen.c_str());
        frame_.store(frame, std::memory_order_relaxed);
        start_.store(Clock::now().time_since_epoch().count(), std::memory_order_release);
    }
    void FrameEnds() { start_.store(0, std::memory_order_release); }

private:
    void Watch() {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const Clock::rep start = start_.load(std::memory_order_acquire);
            if (start == 0) continue;
            const double ran = Milliseconds(Clock::now() - Clock::time_point(Clock::duration(start)));
            if (ran > limitMs_) {
                std::fprintf(stderr, "soak: frame %llu on %s has run for %.0f ms; stopping\n",
                             static_cast<unsigned long long>(frame_.load()), screen_.data(), ran);
                std::abort();
            }
        }
    }

    double limitMs_;
    std::atomic<bool> stop_{false};
    std::atomic<Clock::rep> start_{0};
    std::atomic<uint64_t> frame_{0};
    std::array<char, 64> screen_{};
    std::thread thread_;
};

// What a player's next session would find: the program starts again (the
// character rows at level 1, a fresh game state) and the slot is loaded.
bool SaveAndLoad(int32_t slot, std::string& failure) {
    const SaveRecord before = CaptureSave(GameParty(), GameExpedition(), CharacterTable());
    if (!SaveGame(slot)) {
        failure = "saving into slot " + std::to_string(slot) + " failed";
        return false;
    }
    BuildCharacters();
    for (CharacterData& row : CharacterTable()) LoadCharacterFace(row);
    NewGame();
    if (!LoadGame(slot)) {
        failure = "loading slot " + std::to_string(slot) + " failed";
        return false;
    }
    ReapplyLoadedLevel();
    const SaveRecord after = CaptureSave(GameParty(), GameExpedition(), CharacterTable());
    if (!(after == before)) {
        failure = "slot " + std::to_string(slot) + " loaded a different game than was saved";
        return false;
    }
    return true;
}

std::string Megabytes(long long bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / (1 << 20));
    return text;
}

}  // namespace

bool MemoryGrowth(const std::vector<MemorySample>& samples, uint64_t frames, long long& growth) {
    size_t early = SIZE_MAX, late = SIZE_MAX;
    for (const MemorySample& s : samples) {
        if (s.frame >= frames / 4 && s.frame < frames / 2) early = std::min(early, s.heap);
        if (s.frame >= frames / 4 * 3) late = std::min(late, s.heap);
    }
    if (early == SIZE_MAX || late == SIZE_MAX) return false;
    growth = static_cast<long long>(late) - static_cast<long long>(early);
    return true;
}

SoakResult RunSoak(const SoakOptions& options, std::ostream& progress) {
    SoakResult result;
    RandomPlayer player(options.seed);
    Watchdog watchdog(options.hangLimitMs);
    InstallKeySource();
    uint64_t nextSave = options.saveEvery;
    uint64_t nextRestart = options.restartEvery;
    std::string previous;
    const Clock::time_point began = Clock::now();

    for (uint64_t frame = 0; frame < options.frames; ++frame) {
        if (options.minutes > 0 && frame % 1000 == 0 &&
            Milliseconds(Clock::now() - began) > options.minutes * 60000) {
            progress << "soak: time is up after " << frame << " frames" << std::endl;
            break;
        }
        const std::string screen = CurrentScreenName();
        ScreenCount& count = result.screens[screen];
        ++count.frames;
        if (screen != previous) ++count.visits;
        previous = screen;

        if (screen == "town/menu" && options.saveEvery > 0 && frame >= nextSave) {
            std::string failure;
            if (!SaveAndLoad(int32_t(result.saveRounds % kSlotCount), failure))
                result.failures.push_back("frame " + std::to_string(frame) + ": " + failure);
            ++result.saveRounds;
            nextSave = frame + options.saveEvery;
            result.memory.push_back({frame, HeapInUse(), ResidentBytes()});
        }
        if (options.restartEvery > 0 && frame >= nextRestart && frame % kFramesPerPress == 0) {
            // Quitting and starting the program again, back at the title.
            ShutdownGame();
            if (!StartGame()) {
                result.failures.push_back("frame " + std::to_string(frame) + ": the restart failed");
                break;
            }
            InstallKeySource();
            ++result.restarts;
            nextRestart = frame + options.restartEvery;
        }

        g_held = frame % kFramesPerPress == 0 ? player.Choose(screen) : kNoPress;
        watchdog.FrameStarts(frame, screen);
        const Clock::time_point start = Clock::now();
        RunFrame(GameClock);
        const double ms = Milliseconds(Clock::now() - start);
        watchdog.FrameEnds();
        ++result.frames;
        if (ms > result.slowestMs) {
            result.slowestMs = ms;
            result.slowestFrame = frame;
            result.slowestScreen = screen;
        }
        if (ms > options.frameLimitMs) {
            ++result.slowFrames;
            result.failures.push_back("frame " + std::to_string(frame) + " on " + screen + " took " +
                                      std::to_string(int(ms)) + " ms");
        }
        if (options.progressEvery > 0 && (frame + 1) % options.progressEvery == 0) {
            progress << "soak: " << frame + 1 << " frames, "
                     << int(Milliseconds(Clock::now() - began) / 1000) << " s, heap "
                     << Megabytes(static_cast<long long>(HeapInUse())) << ", " << screen
                     << std::endl;
        }
    }
    g_held = kNoPress;
    result.seconds = Milliseconds(Clock::now() - began) / 1000;
    result.glyphs = Graphics().Text().GlyphCount();

    const std::vector<std::string>& required =
        options.requireAllScreens ? RequiredScreens() : RequiredModes();
    for (const std::string& name : required) {
        const bool reached = std::any_of(
            result.screens.begin(), result.screens.end(), [&](const auto& entry) {
                return entry.first == name || ModeOf(entry.first) == name;
            });
        if (!reached) result.failures.push_back("never reached " + name);
    }
    if (options.checkMemory) {
        long long growth = 0;
        if (!MemoryGrowth(result.memory, result.frames, growth)) {
            result.failures.push_back("too few save rounds to judge the memory");
        } else if (growth > static_cast<long long>(options.memoryLimitBytes)) {
            result.failures.push_back("the heap grew by " + Megabytes(growth) +
                                      " between the second and the last quarter");
        }
    }
    return result;
}

void PrintSoakReport(const SoakResult& result, std::ostream& out) {
    out << "frames " << result.frames << " in " << std::fixed << std::setprecision(1)
        << result.seconds << " s (" << (result.seconds > 0 ? result.frames / result.seconds : 0)
        << " frames/s)\n";
    out << "slowest frame " << std::setprecision(1) << result.slowestMs << " ms (frame "
        << result.slowestFrame << ", " << result.slowestScreen << "); over the limit: "
        << result.slowFrames << "\n";
    out << "save-and-load rounds " << result.saveRounds << ", restarts " << result.restarts
        << ", glyphs " << result.glyphs << "\n";
    if (!result.memory.empty()) {
        const MemorySample& first = result.memory.front();
        const MemorySample& last = result.memory.back();
        out << "heap " << Megabytes(static_cast<long long>(first.heap)) << " at frame " << first.frame << ", "
            << Megabytes(static_cast<long long>(last.heap)) << " at frame " << last.frame << "; resident "
            << Megabytes(static_cast<long long>(first.resident)) << " -> " << Megabytes(static_cast<long long>(last.resident))
            << "\n";
        long long growth = 0;
        if (MemoryGrowth(result.memory, result.frames, growth))
            out << "heap floor, second quarter to last: " << Megabytes(growth) << "\n";
    }
    out << std::left << std::setw(28) << "screen" << std::right << std::setw(10) << "visits"
        << std::setw(12) << "frames" << "\n";
    for (const auto& [name, count] : result.screens) {
        out << std::left << std::setw(28) << name << std::right << std::setw(10) << count.visits
            << std::setw(12) << count.frames << "\n";
    }
    for (const std::string& failure : result.failures) out << "FAIL: " << failure << "\n";
    out << (result.failures.empty() ? "soak passed" : "soak failed") << std::endl;
}
