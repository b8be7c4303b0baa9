#pragma once
#include <cstdint>

// A counter stepped by its owner, for blinking and looping animations.
class StepCounter {
public:
    enum Mode : int32_t { kOnce = 0, kWrap = 1, kBounce = 2 };

    void Start(int32_t limit, int32_t mode);
    void Advance(int32_t step);
    bool IsRunning() const { return running_ != 0; }
    int32_t Value() const { return value_; }

private:
    uint8_t running_ = 0;
    int32_t value_ = 0;
    int32_t mode_ = 0;
    int32_t limit_ = 0;
    int32_t direction_ = 1;
};
