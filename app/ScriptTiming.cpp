#include "app/ScriptTiming.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "engine/graphics/GraphicsDevice.h"
#include "flow/GameFlow.h"

namespace {

double StatusMiB(const char* key) {
    std::FILE* file = std::fopen("/proc/self/status", "r");
    if (file == nullptr) return 0;
    char line[256];
    double kib = 0;
    const size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, key, length) == 0 && line[length] == ':') {
            kib = std::atof(line + length + 1);
            break;
        }
    }
    std::fclose(file);
    return kib / 1024.0;
}

}  // namespace

FrameStats Summarise(std::vector<double> ms) {
    FrameStats s;
    if (ms.empty()) return s;
    std::sort(ms.begin(), ms.end());
    s.frames = static_cast<int32_t>(ms.size());
    double sum = 0;
    for (double v : ms) sum += v;
    s.mean = sum / double(ms.size());
    // Nearest rank: the smallest value with at least 99% of frames at or below it.
    const size_t rank = (ms.size() * 99 + 99) / 100;
    s.p99 = ms[std::min(ms.size(), std::max<size_t>(rank, 1)) - 1];
    s.max = ms.back();
    return s;
}

double NowMilliseconds() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void FinishDrawing() {
    SDL_Renderer* renderer = Graphics().Renderer();
    if (renderer == nullptr) return;
    // Reading a pixel back cannot finish before every earlier draw has.
    uint32_t pixel = 0;
    const SDL_Rect one{0, 0, 1, 1};
    SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
}

double ResidentMiB() { return StatusMiB("VmRSS"); }
double PeakResidentMiB() { return StatusMiB("VmHWM"); }

double TimeOneDrawing() {
    const double start = NowMilliseconds();
    GraphicsDevice& device = Graphics();
    device.BeginScene();
    device.Clear({0, 0, 0, 255});
    device.SetColor({255, 255, 255, 255});
    DrawGame();
    device.EndScene();
    FinishDrawing();
    return NowMilliseconds() - start;
}

void ScriptTiming::FrameDone(double ms) { slowestSinceShot_ = std::max(slowestSinceShot_, ms); }

void ScriptTiming::Shot(const std::string& name) {
    Screen screen;
    screen.name = name;
    screen.entry = slowestSinceShot_;
    slowestSinceShot_ = 0;
    std::vector<double> times;
    times.reserve(size_t(std::max(drawFrames_, 0)));
    for (int32_t n = 0; n < drawFrames_; ++n) times.push_back(TimeOneDrawing());
    screen.drawn = Summarise(std::move(times));
    screens_.push_back(std::move(screen));
}

void ScriptTiming::Note(const std::string& key, double value) { notes_.emplace_back(key, value); }

void ScriptTiming::Write(std::ostream& out) const {
    char line[256];
    for (const Screen& s : screens_) {
        std::snprintf(line, sizeof line, "screen %s entry_ms %.3f mean_ms %.3f p99_ms %.3f max_ms %.3f\n",
                      s.name.c_str(), s.entry, s.drawn.mean, s.drawn.p99, s.drawn.max);
        out << line;
    }
    for (const auto& [key, value] : notes_) {
        std::snprintf(line, sizeof line, "%s %.3f\n", key.c_str(), value);
        out << line;
    }
}
