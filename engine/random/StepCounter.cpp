#include "engine/random/StepCounter.h"

void StepCounter::Start(int32_t limit, int32_t mode) {
    running_ = 1;
    value_ = 0;
    direction_ = 1;
    limit_ = limit;
    mode_ = mode;
}

void StepCounter::Advance(int32_t step) {
    if (!running_) return;
    value_ += direction_ * step;
    switch (mode_) {
        case kOnce:
            if (value_ >= limit_) *this = StepCounter{};
            break;
        case kWrap:
            if (value_ >= limit_) value_ = 0;
            break;
        case kBounce:
            // The turn comes after the value has left the range.
            if (value_ < 0 || value_ >= limit_) direction_ = -direction_;
            break;
        default:
            break;
    }
}
