#pragma once
// The periodic 5 ms tick. Stop returns only when no tick runs any more, so
// the caller may then change the song freely.
#include <functional>
#include <memory>
#include <thread>

namespace sx {

// Milliseconds on the monotonic clock that ticks and audio callbacks share.
double NowMs();

class Timer {
public:
    virtual ~Timer() = default;
    // Calls tick(nominal start of the tick in ms) every 5 ms; false if no
    // timer could be started.
    virtual bool Start(std::function<void(double)> tick) = 0;
    virtual void Stop() = 0;
};

// A thread of our own that keeps an absolute 5 ms schedule, so lateness of
// one tick does not shift the following ones.
class ThreadTimer : public Timer {
public:
    ~ThreadTimer() override { Stop(); }
    bool Start(std::function<void(double)> tick) override;
    // From inside a tick (a callback that stops the music) it cannot wait
    // for itself: the thread then ends as soon as that tick returns.
    void Stop() override;

    struct Run;

private:
    std::thread thread_;
    std::shared_ptr<Run> run_;
};

}  // namespace sx
