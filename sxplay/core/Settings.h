#pragma once
// The library's process-wide state that both the caller's thread and the
// tick thread read: states, caps, fades and the loop count.
#include <atomic>
#include <cstdint>

#include "sxplay/SxPlay.h"

namespace sx {

enum MainState : int32_t { kClosed = 0, kOpen = 1, kLoaded = 2, kPlaying = 3, kPaused = 4 };
enum PlayState : int32_t { kIdle = 1, kPlay = 3, kFadingOut = 5, kFadingIn = 6 };
enum OptionBits : uint32_t { kSkipSilence = 1, kReportText = 2, kStopByReset = 4 };

struct Settings {
    std::atomic<int32_t> mainState{kClosed};
    std::atomic<int32_t> playState{kIdle};
    std::atomic<int32_t> deviceId{-1};
    std::atomic<SXCallback> callback{nullptr};
    std::atomic<intptr_t> userData{0};
    std::atomic<bool> wideText{false};
    std::atomic<float> speed{1.0f};
    std::atomic<float> startDelay{50.0f};
    std::atomic<int32_t> transpose{0};
    std::atomic<uint32_t> velocityScale{100};
    std::atomic<uint32_t> filter{0};
    std::atomic<uint32_t> options{kStopByReset};
    std::atomic<int32_t> resetType{0};
    std::atomic<uint32_t> fadeTotal{0};
    std::atomic<uint32_t> fadeLevel{0};
    std::atomic<uint32_t> loopCount{0};

    // Calls the application's callback; without one a notification counts as 1.
    int32_t Notify(int32_t code, intptr_t value) const {
        const SXCallback f = callback.load();
        return f != nullptr ? f(code, value, userData.load()) : 1;
    }
};

}  // namespace sx
