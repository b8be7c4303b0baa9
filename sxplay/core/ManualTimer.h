#pragma once
// A timer whose ticks the owner fires by hand with the time it chooses: the
// simulated clock of tests and of offline rendering.
#include <functional>

#include "sxplay/core/Timer.h"

namespace sx {

class ManualTimer : public Timer {
public:
    bool Start(std::function<void(double)> tick) override {
        if (refuse_) return false;
        tick_ = std::move(tick);
        return true;
    }
    void Stop() override { tick_ = nullptr; }

    bool Running() const { return static_cast<bool>(tick_); }
    // Runs one tick if the timer is started; false otherwise.
    bool Fire(double tickStartMs) {
        if (!tick_) return false;
        auto tick = tick_;  // the tick may stop the timer
        tick(tickStartMs);
        return true;
    }
    void RefuseStart(bool refuse) { refuse_ = refuse; }

private:
    std::function<void(double)> tick_;
    bool refuse_ = false;
};

}  // namespace sx
