// Real-time behaviour of the library's 5 ms tick thread: how late each tick
// runs after its scheduled time, and whether the schedule drifts.
//   bench_sxplay_jitter [seconds]   (default 60)
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "sxplay/core/Timer.h"

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 60.0;
    std::vector<double> lateness, nominal, actual;
    lateness.reserve(size_t(seconds * 250));
    std::mutex mutex;
    sx::ThreadTimer timer;
    const double start = sx::NowMs();
    timer.Start([&](double t) {
        const double now = sx::NowMs();
        std::lock_guard lock(mutex);
        lateness.push_back(now - t);
        nominal.push_back(t);
        actual.push_back(now);
    });
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    timer.Stop();
    const double elapsed = sx::NowMs() - start;

    std::vector<double> sorted = lateness;
    std::sort(sorted.begin(), sorted.end());
    double sum = 0;
    for (double v : lateness) sum += v;
    const size_t n = sorted.size();
    if (n < 2) return 1;
    const double mean = sum / double(n);
    const double p99 = sorted[std::min(n - 1, size_t(double(n) * 0.99))];
    // Drift: where the last tick ran against where a perfect 5 ms clock
    // started with the first tick would put it.
    const double drift = (actual.back() - actual.front()) - double(n - 1) * 5.0;
    std::printf("ticks %zu in %.1f s (expected %.0f)\n", n, elapsed / 1000, elapsed / 5.0);
    std::printf("lateness mean %.3f ms, p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", mean,
                sorted[n / 2], p99, sorted.back());
    std::printf("drift after %.0f s: %.3f ms\n", seconds, drift);
    return 0;
}
