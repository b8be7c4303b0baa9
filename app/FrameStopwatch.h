#pragma once
#include <cstdint>

// Measures a frame in milliseconds; the caller passes the clock's reading.
class FrameStopwatch {
public:
    void Reset() {
        running_ = false;
        accumulated_ = 0;
    }
    void Start(uint32_t now) {
        running_ = true;
        start_ = now;
    }
    void Stop(uint32_t now) {
        if (!running_) return;
        running_ = false;
        accumulated_ += Distance(now);
    }
    uint32_t Elapsed(uint32_t now) const {
        return running_ ? accumulated_ + Distance(now) : accumulated_;
    }

private:
    uint32_t Distance(uint32_t now) const {
        const auto d = static_cast<int32_t>(now - start_);
        return static_cast<uint32_t>(d < 0 ? -static_cast<int64_t>(d) : d);
    }

    bool running_ = false;
    uint32_t accumulated_ = 0;
    uint32_t start_ = 0;
};

// How long to sleep after a frame: the rest of the period, compared signed,
// so a slow frame is not made up for later.
inline uint32_t FramePadding(uint32_t period, uint32_t elapsed) {
    const auto p = static_cast<int32_t>(period);
    const auto e = static_cast<int32_t>(elapsed);
    // An elapsed time of 2^31 ms or more reads as negative: that frame ran
    // far past any period, it does not call for weeks of sleep.
    if (e < 0) return 0;
    return p > e ? static_cast<uint32_t>(p - e) : 0;
}
