#include "sxplay/core/Timer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>

#include "sxplay/core/Sequencer.h"

namespace sx {

struct ThreadTimer::Run {
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
};

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point ToTimePoint(double ms) {
    return Clock::time_point(std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(ms)));
}

// After a stall longer than this (a suspended machine) the schedule restarts
// from now instead of firing every missed tick at once.
constexpr double kMaxBehindMs = 100.0;

void RunTicks(std::shared_ptr<ThreadTimer::Run> run, std::function<void(double)> tick,
              double start) {
    double next = start + kTickMs;
    std::unique_lock lock(run->mutex);
    for (;;) {
        if (run->wake.wait_until(lock, ToTimePoint(next), [&] { return run->stop; })) return;
        const double now = NowMs();
        if (now - next > kMaxBehindMs) next = now;
        lock.unlock();
        tick(next);
        lock.lock();
        next += kTickMs;
    }
}

}  // namespace

double NowMs() {
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

bool ThreadTimer::Start(std::function<void(double)> tick) {
    Stop();
    auto run = std::make_shared<Run>();
    try {
        thread_ = std::thread(RunTicks, run, std::move(tick), NowMs());
    } catch (const std::system_error&) {
        return false;
    }
    run_ = std::move(run);
    return true;
}

void ThreadTimer::Stop() {
    if (!run_) return;
    {
        std::lock_guard lock(run_->mutex);
        run_->stop = true;
    }
    run_->wake.notify_all();
    if (thread_.get_id() == std::this_thread::get_id()) {
        thread_.detach();
    } else if (thread_.joinable()) {
        thread_.join();
    }
    run_.reset();
}

}  // namespace sx
